#pragma once
// Whether a file's permission bits let the current user replace it. A save honours a file
// marked read-only, as an editor does, even where the system would let the write through (the
// superuser may write any file, and renaming over a file needs only the folder's permission).
#include <sys/types.h>

#include <vector>

namespace tsn {

// Who writes: the effective user and group and the supplementary groups.
struct Writer {
    uid_t user = 0;
    gid_t group = 0;
    std::vector<gid_t> groups;

    static Writer Current();
};

// The superuser may write a file with any write bit set; anyone else needs the owner's,
// group's or others' write bit, whichever class the writer falls in (the owner's bits alone
// decide for the owner, as the system decides for reads and writes).
bool PermissionBitsAllowWriting(mode_t mode, uid_t owner, gid_t group, const Writer& who);

}  // namespace tsn
