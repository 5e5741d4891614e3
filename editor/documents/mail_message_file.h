// A mail message file (.bxm): the recipient's name and address, the subject and the message
// text, as four records of a 16-bit little-endian length and that many bytes, in that order.
// Nothing else is in the file: no header, no version, no terminators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

struct MailMessage {
    std::string Name;
    std::string Address;
    std::string Subject;
    std::string Message;
};

// A text longer than a record can state (65535 bytes) is cut to fit it.
std::vector<uint8_t> MailMessageFileBytes(const MailMessage& message);

// The records found in the data, whole ones only: a file that ends early, or whose length field
// runs past its end, gives the texts read until then and leaves the rest empty. Bytes after the
// fourth record are ignored.
MailMessage ReadMailMessageFile(const uint8_t* data, size_t size);

} // namespace bndx
