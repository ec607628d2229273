#include "gis/GdalSupport.h"

#include <atomic>
#include <mutex>

#include <cpl_conv.h>
#include <cpl_vsi.h>

#include "core/Error.h"
#include "core/FileIO.h"

namespace zelmaro {

void EnsureGdalDrivers() {
  static std::once_flag registered;
  std::call_once(registered, [] { GDALAllRegister(); });
}

GdalErrorTrap::GdalErrorTrap() {
  CPLPushErrorHandlerEx(&GdalErrorTrap::Collect, this);
  CPLErrorReset();
}

GdalErrorTrap::~GdalErrorTrap() {
  CPLPopErrorHandler();
}

void CPL_STDCALL GdalErrorTrap::Collect(CPLErr level, CPLErrorNum, const char* message) {
  auto* trap = static_cast<GdalErrorTrap*>(CPLGetErrorHandlerUserData());
  if (trap == nullptr || message == nullptr) return;
  if (level == CE_Failure || level == CE_Fatal) {
    trap->failures_.emplace_back(message);
  } else if (level == CE_Warning) {
    trap->lastWarning_ = message;
  }
}

std::string GdalErrorTrap::Reason() const {
  if (!failures_.empty()) return failures_.front();
  return lastWarning_;
}

void ThrowGdalFailure(const std::string& what, const GdalErrorTrap& trap) {
  std::string reason = trap.Reason();
  while (!reason.empty() && (reason.back() == '.' || reason.back() == '\n')) reason.pop_back();
  if (reason.empty()) throw Error(what + ".");
  throw Error(what + ": " + reason + ".");
}

GDALDatasetUniquePtr OpenGdalDataset(const std::string& path, unsigned int kind,
                                     const std::string& description) {
  if (!FileExists(path))
    throw Error("Cannot open the " + description + " " + path + ": no such file.");
  EnsureGdalDrivers();
  GdalErrorTrap trap;
  GDALDatasetUniquePtr dataset(GDALDataset::Open(
      path.c_str(), kind | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR, nullptr, nullptr, nullptr));
  if (!dataset) ThrowGdalFailure("Cannot open the " + description + " " + path, trap);
  return dataset;
}

std::string WktOf(const OGRSpatialReference* srs) {
  if (srs == nullptr) return {};
  char* text = nullptr;
  const char* const options[] = {"FORMAT=WKT2_2018", "MULTILINE=NO", nullptr};
  GdalErrorTrap trap;
  const OGRErr result = srs->exportToWkt(&text, options);
  std::string wkt = text != nullptr ? text : "";
  CPLFree(text);
  if (result != OGRERR_NONE || wkt.empty()) {
    ThrowGdalFailure("Cannot write the coordinate reference system as WKT", trap);
  }
  return wkt;
}

GdalMemoryFile::GdalMemoryFile(const std::string& ending) {
  static std::atomic<unsigned long> counter{0};
  name_ = "/vsimem/zelmaro-" + std::to_string(++counter) + "-" +
          std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ending;
}

GdalMemoryFile::~GdalMemoryFile() {
  VSIUnlink(name_.c_str());
}

std::string GdalMemoryFile::Bytes() const {
  vsi_l_offset length = 0;
  const GByte* data = VSIGetMemFileBuffer(name_.c_str(), &length, FALSE);
  if (data == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
}

GdalThreadOption::GdalThreadOption(const char* key, const char* value) : key_(key) {
  if (const char* previous = CPLGetThreadLocalConfigOption(key, nullptr)) {
    previous_ = previous;
    hadPrevious_ = true;
  }
  CPLSetThreadLocalConfigOption(key, value);
}

GdalThreadOption::~GdalThreadOption() {
  CPLSetThreadLocalConfigOption(key_.c_str(), hadPrevious_ ? previous_.c_str() : nullptr);
}

int CPL_STDCALL GdalProgressBridge::Forward(double fraction, const char*, void* argument) {
  auto* bridge = static_cast<GdalProgressBridge*>(argument);
  try {
    bridge->progress_.Report(fraction);
    return TRUE;
  } catch (...) {
    bridge->stopped_ = std::current_exception();
    return FALSE;
  }
}

void GdalProgressBridge::Rethrow() const {
  if (stopped_) std::rethrow_exception(stopped_);
}

}  // namespace zelmaro
