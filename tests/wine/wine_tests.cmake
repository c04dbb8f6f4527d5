# Wine tests
