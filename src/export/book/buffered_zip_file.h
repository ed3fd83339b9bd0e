// The file minizip writes an archive through: its bytes gathered in memory and written a
// megabyte at a time. minizip goes back to each entry's header once the entry is written, to
// fill in its checksum and sizes; through stdio every entry would cost a flush and two seeks
// of the file, here it costs a copy into memory.
#pragma once

#include <ioapi.h>

namespace zeb {

// The functions to give zipOpen2_64; the file is created anew (write mode only).
zlib_filefunc64_def bufferedZipFileFunctions();

}  // namespace zeb
