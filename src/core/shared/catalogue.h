#pragma once

#include <span>
#include <string_view>

namespace velmora {

// Every data file the program reads: its folder, its reader with the reader's parameters and the
// set-up that loads it. The data checker walks this list; screens name their files from it.
enum class Folder { Data, Language, Working };

enum class ReaderKind {
    TextTable,
    PaddedTable,
    PaddedTable75,
    RawTable,
    RawTable90,
    FixedLines,
    FixedLines120,
    MarkedLines,
    Blocks26,
    Blocks51,
    IntegerRows,
    CountedLists,
    CountedBytes,
    DegreeLists,
    Bitmap,
    Sound,
    ImageLibrary,
    RegionGrids,
    OwnFormat,  // a parser of the file's own; its screen's code checks the content
    Documents,  // a folder of documents opened by the system
};

struct CatalogueEntry {
    std::string_view file;
    Folder folder;
    ReaderKind reader;
    int width;      // width of the padded readers; 0 where the reader takes none
    int columns;    // fields per line for ReadIntegerRows; 0 otherwise
    int rows;       // row capacity for ReadIntegerRows; 0 otherwise
    std::string_view loadedBy;  // "start-up" or the class of the screen whose set-up reads it
};

std::span<const CatalogueEntry> DataCatalogue();

// Whether this build of the program reads the file: screens and readers join as they are built,
// and with them their files become required.
bool ReadByThisBuild(const CatalogueEntry& entry);

std::string_view ReaderName(ReaderKind kind);

}  // namespace velmora
