#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vector/DxfReader.h"

namespace zelmaro {

// The extent written in the header of a fused file, in whole map units; a fusion of no
// sheet writes these start values.
struct FusionExtent {
  double XMin = 4000000.0;
  double YMin = 4000000.0;
  double XMax = 0.0;
  double YMax = 0.0;
  std::int32_t ZMin = 1000000;
  std::int32_t ZMax = 0;
};

// Told, for each POLYLINE met, the pass (1: extents, 2: copy), the input (from 1) and
// how many polylines of that input were met so far.
using FusionProgress = std::function<void(int pass, std::size_t input, int polylines)>;

// The HEADER section with $EXTMIN and $EXTMAX in integers, then the start of the
// ENTITIES section, line by line ("\n" line breaks; the writers give CR LF).
std::string FusionHeaderText(const FusionExtent& extent);

// The record copies of the fusions, called right after the keyword was read. They
// read by the fixed layout of the agency files (8, layer, 66, flag, 10, 0, 20, 0, 30,
// elevation, 0 for a POLYLINE; 8, layer, code, value, 10, X, 20, Y, 30, Z, 0 for a
// VERTEX, coordinates rounded half up) and throw Error naming the file when a number
// stands nowhere it is expected.
void CopyPolylineRecord(DxfReader& input, std::string& output);
void CopyVertexRecord(DxfReader& input, std::string& output);

// Merges several DXF sheets into typedName + ".dxf" (the ending is always appended):
// one header whose extent covers every input, then the POLYLINE, VERTEX and SEQEND
// records of each input in turn, with an ENDSEC after the entities of each input that
// had a polyline, and EOF. Every input is read before anything is written; an input
// that cannot be read or has no header extent throws Error and no file appears. The
// result is written with CR LF line breaks to a temporary file renamed when complete.
// LWPOLYLINE entities are carried over as POLYLINE/VERTEX/SEQEND records. Returns the
// path written.
std::string FuseDxfFiles(const std::vector<std::string>& inputs, const std::string& typedName,
                         const FusionProgress& progress = {});

// Merges a contour-line file with the polylines of the layer "HA_6292" of a coastline
// file, which become contour lines of altitude 0, into resultStem + "_cnha.dxf". The
// header takes the contour file's extent with ZMin 0 and ZMax truncated. Errors,
// writing and LWPOLYLINE entities as for FuseDxfFiles. The session is not touched: the
// scene loaded before keeps reading its own file. Returns the path written.
std::string FuseCoastline(const std::string& contourPath, const std::string& coastlinePath,
                          const std::string& resultStem);

}  // namespace zelmaro
