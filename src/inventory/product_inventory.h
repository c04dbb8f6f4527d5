// The report's last section: whether Windows is 32- or 64-bit, then the
// product key's outline in every registry view where it opens, or a message
// that the product is not installed.
#pragma once

struct ReportSink;

struct InventoryResult {
    int FoundRoots = 0;    // product keys that opened
    int NestingDepth = 0;  // of the key listing once all roots are done
};

InventoryResult WriteProductInventory(ReportSink& sink);
