# The end-to-end tests: Tarquen.exe under Wine, in a 64-bit and a 32-bit
# Windows prefix kept in this build tree, compared byte for byte.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(wine_dir ${CMAKE_CURRENT_LIST_DIR})
set(wine_env
    TARQUEN_EXE=$<TARGET_FILE:Tarquen>
    TARQUEN_WINE_PREFIXES=${CMAKE_BINARY_DIR}/wine
    TARQUEN_OBJDUMP=${CMAKE_OBJDUMP}
    PYTHONDONTWRITEBYTECODE=1)

add_test(NAME wine.prefixes COMMAND Python3::Interpreter bench.py prepare WORKING_DIRECTORY ${wine_dir})
add_test(NAME wine.stop COMMAND Python3::Interpreter bench.py stop WORKING_DIRECTORY ${wine_dir})
set_tests_properties(wine.prefixes PROPERTIES FIXTURES_SETUP wine TIMEOUT 900)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

foreach(module report_core inventory survey)
    add_test(NAME wine.${module}
             COMMAND Python3::Interpreter -m unittest -v test_${module}
             WORKING_DIRECTORY ${wine_dir})
    # The tests change the prefixes' registry and drives: one at a time.
    set_tests_properties(wine.${module} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefixes)
endforeach()

add_test(NAME executable COMMAND Python3::Interpreter -m unittest -v test_executable
         WORKING_DIRECTORY ${wine_dir})

set_tests_properties(wine.prefixes wine.stop wine.report_core wine.inventory wine.survey executable
                     PROPERTIES ENVIRONMENT "${wine_env}")
