#include "documents/DocumentFile.h"

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

void DocumentFile::WriteLine(std::string_view text) {
  if (closed_) return;
  bytes_.append(text);
  bytes_.append(runtime::kCrLf);
}

bool DocumentFile::Close() {
  if (closed_) return saved_;
  closed_ = true;
  saved_ = path_.empty() || runtime::SaveFileAtomically(path_, bytes_, &error_);
  return saved_;
}
