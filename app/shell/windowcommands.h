// The commands that open a project's windows: one row per window with its
// menu text, the item-box entry it selects and how its frame is found and made.
#pragma once

#include <span>

#include "platform/afxtypes.h"

class CTavrinProjectDoc;
class QWidget;

struct CWindowCommand {
    UINT nID;
    const char* pszMenuText; // null: not on a menu
    int nTab;                // item-box tab and entry shown; -1: none
    int nItem;
    // Whether pFrame is this window's frame; null while the window is not built.
    bool (*pfnIsFrame)(const QWidget* pFrame);
    // A new frame with its view on pDoc, initial update done; null while the window is not built.
    QWidget* (*pfnCreateFrame)(CTavrinProjectDoc* pDoc);
};

// The rows of the data, result, tax-rate and option windows in command order.
std::span<const CWindowCommand> DataWindowCommands();
std::span<const CWindowCommand> ResultWindowCommands();
std::span<const CWindowCommand> TaxWindowCommands();
std::span<const CWindowCommand> OptionWindowCommands();
// The row of command nID, or null.
const CWindowCommand* FindWindowCommand(UINT nID);
// A window-opening command whose window is not built yet.
bool IsPendingWindowCommand(UINT nID);
// The result windows need a calculated project.
bool IsResultWindowCommand(UINT nID);
