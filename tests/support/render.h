// Drawing helpers for sheet tests: the program's sheet fonts and pens, and
// rendering through the QPainter device context to a PNG artifact.
#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "platform/cdc.h"

// Body font 11 pt "ＭＳ 明朝", title font 12 pt "ＭＳ ゴシック", in 0.01 mm.
LOGFONT SheetBodyFont();
LOGFONT SheetTitleFont();
// Thin line pen and a 0.3 mm frame pen.
LOGPEN SheetLinePen();
LOGPEN SheetFramePen();
// Hands those fonts and pens to a record library's four print setters.
void UseSheetPrintSettings(void (*pfnFont)(LOGFONT*), void (*pfnTitleFont)(LOGFONT*), void (*pfnPen)(LOGPEN*),
                           void (*pfnFramePen)(LOGPEN*));

// An A4 page (or the size given, in mm) at 150 dpi, white, drawn in MM_HIMETRIC
// with the window origin at (-1500, 1500): 15 mm margins.
QImage RenderSheet(const std::function<void(CDC*)>& draw, double dWidthMm = 210, double dHeightMm = 297);
// The same page drawn in MM_LOMETRIC with the window origin at (-150, 150).
QImage RenderLometric(const std::function<void(CDC*)>& draw, double dWidthMm = 210, double dHeightMm = 297);
// Saves the image as name.png in the build's artifacts folder (or $TAV_ARTIFACT_DIR).
void SaveArtifact(const QImage& image, const std::string& name);
// Dark pixels in the image (or in a part of it).
int CountInk(const QImage& image);
// Strongly red pixels in the image.
int CountRed(const QImage& image);
