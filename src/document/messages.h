// Every text the document store shows or writes, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

// Loading a book.
inline constexpr std::string_view doesNotExist = " doesn't exist";
inline constexpr std::string_view unrecognizedFormat = "Unrecognized format.";
// The u of "più" is the Latin-1 byte 249.
inline constexpr std::string_view tooOldVersion =
    "Attenzione: file salvato con una versione del programma\r"
    "anteriore alla 0.98. Non pi\xF9 supportato. UNSUPPORTED\r";
inline constexpr std::string_view unsupportedFile =
    "Unsupported file.\r"
    "This book was written by a newer authoring tool: please get a more recent release "
    "of Brightfold from https://brightfold.org/download";
inline constexpr std::string_view errorReadingFile = "Error reading file: ";

// Book objects.
inline constexpr std::string_view objectNotFree = "Errore, oggetto non risulta libero!";
inline constexpr std::string_view plainPageObject = "Non si deve usare questo!";
inline constexpr std::string_view bugInAux = "bug in aux";

// Defaults of new objects and books.
inline constexpr std::string_view untitledBook = "Untitled";
inline constexpr std::string_view untitledPagePrefix = "Untitled ";
inline constexpr std::string_view emptyPageText = "<Z S0 >";
inline constexpr std::string_view noStyle = "[no style]";
inline constexpr std::string_view noStyleInTable = "[no style intab]";
inline constexpr std::string_view releasedKeyword = "-";
inline constexpr std::string_view releasedFrameMap = "Map";
inline constexpr std::string_view newPrototype = "New prototype";
inline constexpr std::string_view newDataSet = "db";
// The two characters a released link action keeps as its window name.
inline constexpr std::string_view releasedActionWindow = "--";
inline constexpr std::string_view styleFontName = "Times New Roman";

// Names built from records.
inline constexpr std::string_view closeWindow = "Close window: ";
inline constexpr std::string_view anchorPrefix = "Anchor: a";
inline constexpr std::string_view filePrefix = "File #";
inline constexpr std::string_view imageReference = "Image reference:";
inline constexpr std::string_view pageOrLinkReference = "Page or link reference:";
inline constexpr std::string_view pageTextReference = "Put here the text of page #:";
inline constexpr std::string_view masterReference = "Master object reference:";
inline constexpr std::string_view xSize = "X size";
inline constexpr std::string_view ySize = "Y size";
inline constexpr std::string_view hiddenAction = "--";
inline constexpr std::string_view keywordsAction = "Keywords";
inline constexpr std::string_view previousPageAction = "previous page";
inline constexpr std::string_view nextPageAction = "next page";
inline constexpr std::string_view autoImportAction = "Auto import";
inline constexpr std::string_view shoppingCartAction = "Add in shopping cart: ";

// Document services.
inline constexpr std::string_view selectCdPath = "Select CD path:";
inline constexpr std::string_view depackError = "HD space may be low! Error depacking file: ";
inline constexpr std::string_view imageCacheBug = "What happens? Image cache bug?";
inline constexpr std::string_view undefinedObject = "Undefined.";
inline constexpr std::string_view linkTo = "Link to: ";
inline constexpr std::string_view linkToEmail = "Link to e-mail: ";
inline constexpr std::string_view linkToFile = "Link to file: ";
inline constexpr std::string_view keywordsDescription = "Keywords|Link to: keywords window";
inline constexpr std::string_view previousPageDescription = "previous page|Link to: previous page";
inline constexpr std::string_view nextPageDescription = "next page|Link to: next page";
inline constexpr std::string_view customPrefix = "Custom ";

// Object copies.
inline constexpr std::string_view registeredKindMismatch =
    "In un TZEBoggetto registrato si pu\xF2 caricare solo un TZEBoggetto dello stesso tipo!";
inline constexpr std::string_view onlyForPictures = "Allowed only for immagine";
inline constexpr std::string_view oldPictureMap = "mappaclic presente ancora! bug!";

// The named-file list of a new book.
inline constexpr std::string_view indexName = "index";
inline constexpr std::string_view indexFile = "index.htm";
inline constexpr std::string_view cartName = "cart";
inline constexpr std::string_view cartFile = "js.js";

}  // namespace zeb::messages
