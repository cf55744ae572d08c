#include "player_data/basUpdateServer.h"

#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"

namespace basUpdateServer {

namespace {

std::string PercentEncode(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

}  // namespace

std::string UpdateURL(const std::string& fileName) {
  return "http://" + basMockDraftSettings::GlobalSettings().StringVal(kSetUpdateServer) + "/upd/" +
         PercentEncode(fileName);
}

std::string LocalUpdateFolder() { return WorkFolder + "upd/"; }

}  // namespace basUpdateServer
