#include "files/signature.h"

#include <algorithm>
#include <vector>

namespace tsn {

SignatureSearch FindSignature(ByteSource& src, int64_t begin, int64_t end) {
    SignatureSearch result;
    begin = std::max<int64_t>(begin, 0);
    end = std::min<int64_t>(end, src.Size());
    constexpr int64_t kBlock = 4096;
    std::vector<uint8_t> block;
    std::string collected;  // reversed
    bool collecting = false;
    for (int64_t stop = end; stop > begin; stop -= kBlock) {
        const int64_t start = std::max(begin, stop - kBlock);
        block.resize(static_cast<size_t>(stop - start));
        if (!src.Read(start, block.size(), block.data())) {
            result.readError = true;
            return result;
        }
        for (auto i = block.size(); i-- > 0;) {
            const uint8_t b = block[i];
            if (!collecting) {
                collecting = b == 255;
            } else if (b == 255) {
                std::reverse(collected.begin(), collected.end());
                result.found = true;
                result.text = std::move(collected);
                return result;
            } else {
                collected.push_back(static_cast<char>(b));
            }
        }
    }
    return result;
}

std::string ComposeSignature(const SignatureParts& parts) {
    const std::string stamp = parts.dateTime + " - " + parts.version;
    if (!parts.mySignature.empty()) return parts.mySignature + "\r\n" + stamp;
    return "This demo was recorded with Tessarin v." + parts.version + "\r\n" + "\r\n" +
           "Please visit the Quorvane forum at:" + "\r\n" + kForumAddress + "\r\n" + stamp;
}

}  // namespace tsn
