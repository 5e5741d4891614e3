#include "painter/sources/source_messages.h"

namespace bndx {
namespace {

constexpr char kMakerWebSite[] = "www.banderix.com";

} // namespace

std::string NewerVersionMessage(const std::string& path) {
    return path + " is newer than the Banderix program version. Please download the latest version of Banderix from " +
           kMakerWebSite + ".";
}

} // namespace bndx
