#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include <cpl_error.h>
#include <cpl_progress.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include "core/Progress.h"

namespace zelmaro {

// Registers GDAL's drivers once for the whole program.
void EnsureGdalDrivers();

// Collects what GDAL reports while it lives (GDAL would print it on stderr otherwise),
// so that a failure can name GDAL's own reason. One per thread at a time, as GDAL's
// handler stack is per thread.
class GdalErrorTrap {
 public:
  GdalErrorTrap();
  ~GdalErrorTrap();
  GdalErrorTrap(const GdalErrorTrap&) = delete;
  GdalErrorTrap& operator=(const GdalErrorTrap&) = delete;

  // The first failure GDAL reported, else its last warning; empty when it said nothing.
  std::string Reason() const;
  bool Failed() const { return !failures_.empty(); }

 private:
  static void CPL_STDCALL Collect(CPLErr level, CPLErrorNum number, const char* message);

  std::vector<std::string> failures_;
  std::string lastWarning_;
};

// An Error of `what` (which names the file) followed by GDAL's reason when it gave one.
[[noreturn]] void ThrowGdalFailure(const std::string& what, const GdalErrorTrap& trap);

// Opens a file with GDAL for reading (`kind` GDAL_OF_VECTOR or GDAL_OF_RASTER); throws
// Error naming the file and GDAL's reason when it does not exist or GDAL cannot read it.
GDALDatasetUniquePtr OpenGdalDataset(const std::string& path, unsigned int kind,
                                     const std::string& description);

// The WKT the program keeps a CRS in (WKT2, on one line); empty for no CRS.
std::string WktOf(const OGRSpatialReference* srs);

// A file in GDAL's memory file system, removed with the object: drivers that can only
// create whole files (COG, PNG) write there, and the bytes then go out all at once.
class GdalMemoryFile {
 public:
  explicit GdalMemoryFile(const std::string& ending);
  ~GdalMemoryFile();
  GdalMemoryFile(const GdalMemoryFile&) = delete;
  GdalMemoryFile& operator=(const GdalMemoryFile&) = delete;

  const std::string& Name() const { return name_; }
  std::string Bytes() const;

 private:
  std::string name_;
};

// A GDAL configuration option set for this thread while the object lives.
class GdalThreadOption {
 public:
  GdalThreadOption(const char* key, const char* value);
  ~GdalThreadOption();
  GdalThreadOption(const GdalThreadOption&) = delete;
  GdalThreadOption& operator=(const GdalThreadOption&) = delete;

 private:
  std::string key_;
  std::string previous_;
  bool hadPrevious_ = false;
};

// Hands a GDAL progress callback over to a Progress. A cancellation (or any exception)
// cannot pass through GDAL's C code: the callback asks GDAL to stop, and Rethrow throws
// it again once GDAL has returned.
class GdalProgressBridge {
 public:
  explicit GdalProgressBridge(const Progress& progress) : progress_(progress) {}

  GDALProgressFunc Function() const { return &Forward; }
  void* Argument() { return this; }
  void Rethrow() const;

 private:
  static int CPL_STDCALL Forward(double fraction, const char* message, void* argument);

  const Progress& progress_;
  std::exception_ptr stopped_;
};

}  // namespace zelmaro
