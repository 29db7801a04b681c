#pragma once

#include "music/TablatureLayout.h"

class QPagedPaintDevice;

// Draws a tablature on any paged device: a PDF writer, a printer, a print preview.
namespace print {

// The layout for the device's page: the page is the device's paint area.
music::TablatureLayout layOutForDevice(const music::Tablature& tablature, QPagedPaintDevice& device,
                                       const music::TablatureStyle& style = {});

// Lays the tablature out and draws every page. The number of pages; 0 when the device cannot
// be painted on.
int paintTablature(const music::Tablature& tablature, QPagedPaintDevice& device,
                   const music::TablatureStyle& style = {});

}  // namespace print
