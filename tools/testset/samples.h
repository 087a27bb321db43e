#pragma once
// What the simulated test set sends: each string is one transmission, sent without a pause.

#include <string>
#include <vector>

namespace testset {

// Tarn/TarnX result screens pushed as printer text: a printer set-up prefix
// (ESC R 0x01 ESC 2, with or without SI), then lines ended by CR LF.
std::vector<std::string> TarnScreens();

// A Vesk/VeskM printout in the dot-matrix printer stream: a text record (ESC SP 0x09 and
// lines), a graph (ESC SP 0x0F, labels, rows of ESC K bit-image blocks, ESC R) and a screen
// image (ESC SP 0x04, rows of ESC K blocks, ESC R).
std::vector<std::string> VeskPrintouts();

std::string VeskTextRecord();
std::string VeskGraph();
std::string VeskScreenImage();

} // namespace testset
