// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/catalogue.h"

TCatalogue CreateCatalogue(const TCatalogueContext& context) {
  TCatalogue catalogue;
  // The editor reads nothing the catalogue window writes, so it can be made
  // first and handed to the window that uses it.
  catalogue.Edit = std::make_unique<TfrmEdit>(*context.Parser, *context.Settings);
  catalogue.Func = std::make_unique<TfrmFunc>(context, *catalogue.Edit);
  return catalogue;
}
