#include "files/file_error.h"

namespace tsn {

std::string FileError::Text() const {
    return description + "\n" + "in Tessarin.modReadWrite." + procedure + " " + "at line " +
           std::to_string(step);
}

}  // namespace tsn
