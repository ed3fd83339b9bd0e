// The working text of a shown page: a copy of the page object in which every object tag
// names a working copy of its object, so that the page can be shown and edited without
// touching the book until it is committed.
#pragma once

#include <memory>
#include <string>

namespace zeb {

class TZEBset;
class TZEBtesto;

// The working text of a page: a copy of its record, name and text, ending with one zero
// byte; object tags of hyperlinks and link actions are rewritten to local numbers
// (0x6F000000 + n), those of tables, panel elements, data sets, placements, form controls
// and multimedia objects to embedded entries (0xFF000000 + n), each served by a copy of its
// object. A text still in the older markup is converted (in the book) first.
std::unique_ptr<TZEBtesto> openPageText(TZEBset& set, TZEBtesto& page);

// The working text of a page together with its header and footer texts: the page's own
// header and footer pages, or the book's defaults, when they name existing pages.
std::unique_ptr<TZEBtesto> openPageWithHeaderAndFooter(TZEBset& set, TZEBtesto& page);

// A text of the working text (its markup, or part of it) with its tags naming objects by ID
// again, as the book stores them.
std::string withStoredTags(const TZEBtesto& working, std::string text);

// Turns a working text back into a stored one: the working copies of its objects take their
// original places in the book again and its tags name them by ID again.
void storeWorkingText(TZEBset& set, TZEBtesto& working);

}  // namespace zeb
