// The indented outline of a registry key and everything below it.
#pragma once

#include "inventory/registry_view.h"
#include "platform/host_platform.h"

struct ReportSink;

struct KeyListing {
    ReportSink& sink;
    RegistryView view;     // every subkey is opened in the root's view
    int NestingDepth = 0;  // back to 0 once a root's listing is done
};

// Writes the key's string and number values, then each subkey's name
// followed at once by that subkey's own outline, in the order Windows
// enumerates them. Every key it opens, it closes.
void ListKey(KeyListing& listing, platform::KeyHandle key);
