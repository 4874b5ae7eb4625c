#include "files/write_permission.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace tsn {

Writer Writer::Current() {
    Writer w;
    w.user = ::geteuid();
    w.group = ::getegid();
    const int n = ::getgroups(0, nullptr);
    if (n > 0) {
        w.groups.resize(static_cast<size_t>(n));
        const int got = ::getgroups(n, w.groups.data());
        w.groups.resize(got > 0 ? static_cast<size_t>(got) : 0);
    }
    return w;
}

bool PermissionBitsAllowWriting(mode_t mode, uid_t owner, gid_t group, const Writer& who) {
    if (who.user == 0) return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    if (who.user == owner) return (mode & S_IWUSR) != 0;
    const bool member = who.group == group ||
                        std::find(who.groups.begin(), who.groups.end(), group) != who.groups.end();
    return (mode & (member ? S_IWGRP : S_IWOTH)) != 0;
}

}  // namespace tsn
