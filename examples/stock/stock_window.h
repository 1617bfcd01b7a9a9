// The stock tool's main form: a search field, the inventory's grid, "Add item" and "Save".
#ifndef STOCK_STOCK_WINDOW_H
#define STOCK_STOCK_WINDOW_H

#include <thread>

#include "fenwix/fenwix.hpp"
#include "inventory.h"

namespace stock {

// Declares and opens the form over the inventory, which must outlive it.
void OpenStockForm(Inventory& inventory);

// Keeps the form the size of the main window's inside, its anchored items following.
void FollowMainWindow(fx::MainWindow& window);

// Loads the inventory's file on a worker thread; the form shows the progress and then
// the rows. The thread is the caller's to join.
std::thread LoadInBackground(Inventory& inventory);

}  // namespace stock

#endif
