#include "toolkit/ui/clsBitmap.h"

#include <QImage>
#include <QImageReader>

#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basGraphixManip.h"

bool clsBitmap::LoadResImage(int32_t resourceId) {
  const QImage img = basBitmapResource::Load(resourceId);
  dc_.Release();
  dc_.SelectImage(img);
  return true;
}

bool clsBitmap::LoadFileImage(const std::string& path) {
  dc_.Release();
  QImageReader reader(QString::fromStdString(path), "BMP");
  QImage img;
  if (!reader.read(&img) || img.isNull()) return false;
  dc_.SelectImage(img);
  return true;
}

bool clsBitmap::TransferImage(const clsBitmap& source) {
  gdi::MemoryDC copy(source.Width(), source.Height(), gdi::kBlack);
  copy.BitBlt(0, 0, source.Width(), source.Height(), source.dc_, 0, 0);
  dc_ = copy;
  return true;
}

void clsBitmap::CreateBlankImage(const clsBitmap& source, gdi::COLORREF colour) {
  CreateBlankBitmap(source.Width(), source.Height(), colour);
  dc_.SetBkMode(gdi::BkMode::kTransparent);
}

void clsBitmap::CreateBlankBitmap(int32_t width, int32_t height, gdi::COLORREF colour) {
  dc_ = gdi::MemoryDC();
  dc_.CreateBitmap(width, height, colour);
  dc_.SetBkMode(gdi::BkMode::kOpaque);
  dc_.SetBkColor(colour);
  basGraphixManip::FillSolid(dc_, colour, 0, 0, width, height, true, gdi::BS_SOLID,
                             static_cast<gdi::HatchStyle>(8));
}

void clsBitmap::LoadKeyedResImage(int32_t resourceId, gdi::COLORREF backColour) {
  clsBitmap resource;
  resource.LoadResImage(resourceId);
  CreateBlankImage(resource, backColour);
  basGraphixManip::MaskedBlit(dc_, resource.hDC(), 0, 0, resource.Width(), resource.Height(),
                              basBitmapResource::kKeyMagenta);
}
