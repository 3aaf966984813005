#include "render/DibRegistry.h"

#include <utility>

#include "common/Exception.h"
#include "common/Text.h"

namespace qn2 {

namespace {

tOwnerList<tDib16>& Registry() {
  static tOwnerList<tDib16> registry;
  return registry;
}

}  // namespace

tDib16* RegisterDib(std::unique_ptr<tDib16> dib) {
  if (FindDib(dib->FileName) != nullptr)
    throw Exception("Dib16 name '" + dib->FileName + "' Registered twice");
  return Registry().Add(std::move(dib));
}

tDib16* FindDib(const std::string& name) {
  const std::string wanted = LowerCase(name);
  for (const auto& dib : Registry())
    if (dib->FileName == wanted) return dib.get();
  return nullptr;
}

tDib16* GetDib(const std::string& name, bool load) {
  tDib16* dib = FindDib(name);
  if (dib == nullptr) dib = tDib16::CreateNamed(name, false);
  if (load) dib->Load();
  return dib;
}

void ClearDibs() {
  Registry().Clear();
}

const tOwnerList<tDib16>& RegisteredDibs() {
  return Registry();
}

tDib16* tDib16::CreateNamed(const std::string& name, bool loadNow) {
  tDib16* dib = RegisterDib(std::unique_ptr<tDib16>(new tDib16(tNamedPicture{}, name)));
  if (loadNow) dib->Load();
  return dib;
}

}  // namespace qn2
