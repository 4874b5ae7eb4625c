#pragma once
// Failures of the level-file layer. Every failure names the procedure that met it, the step
// that failed (0 when the failure is a refusal of the content rather than of a file
// operation) and a description. The user interface shows the text of `Text()` in its
// "Application Error" box; the core never shows anything itself.
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tsn {

struct FileError {
    std::string procedure;    // e.g. "ReadTSN"
    int step = 0;             // the failing step, 0 when no single step failed
    std::string description;  // what went wrong

    // description, line break, "in Tessarin.modReadWrite." + procedure + " at line " + step
    std::string Text() const;
};

// Success, or the failure that stopped an operation.
class [[nodiscard]] FileStatus {
public:
    FileStatus() = default;
    FileStatus(FileError e) : error_(std::move(e)) {}  // NOLINT: implicit on purpose

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const FileError& error() const { return *error_; }

private:
    std::optional<FileError> error_;
};

// A value, or the failure that prevented it.
template <class T>
class [[nodiscard]] FileResult {
public:
    FileResult(T value) : v_(std::move(value)) {}       // NOLINT: implicit on purpose
    FileResult(FileError e) : v_(std::move(e)) {}       // NOLINT: implicit on purpose

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    const FileError& error() const { return std::get<1>(v_); }
    FileStatus status() const { return ok() ? FileStatus() : FileStatus(error()); }

private:
    std::variant<T, FileError> v_;
};

}  // namespace tsn
