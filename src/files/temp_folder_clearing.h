#pragma once
// Emptying the program's Temp folder one file at a time, so that a dialog can show each step
// and stop between files.
#include <string>
#include <vector>

namespace tsn {

inline constexpr const char* kClearTempQuestion = "Are you sure about this?";
inline constexpr const char* kTempFolderEmptyText =
    "There are nothing to delete! The Temp folder is empty.";
inline constexpr const char* kTempFolderEmptyTitle = "Temp folder empty";
inline constexpr const char* kClearTempCanceled = "Canceled by user...";
inline constexpr const char* kClearTempDone = "All files were deleted.";

class TempFolderClearing {
public:
    // The files of `folder` (not its sub-folders), in name order.
    explicit TempFolderClearing(const std::string& folder);

    size_t Total() const { return files_.size(); }
    bool Done() const { return next_ >= files_.size(); }
    // "Deleting file " + number + " of " + total, for the next file.
    std::string ProgressLine() const;
    // Deletes the next file and returns its name followed by " [DELETED]"; a file that
    // cannot be deleted says " [NOT DELETED]" instead and stays.
    std::string DeleteNext();
    // The full paths deleted so far.
    const std::vector<std::string>& Deleted() const { return deleted_; }

private:
    std::vector<std::string> files_;
    std::vector<std::string> deleted_;
    size_t next_ = 0;
};

}  // namespace tsn
