#pragma once
// What the "&Export..." command settles before its dialog opens: the export writes the
// rows the list view shows, so a filter applied to the list is offered to be cleared.
#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

// True when the dialog is to open: no filter, the filter cleared (Yes), or kept with rows
// left to export (No). False on Cancel, and after saying so when No leaves no row.
[[nodiscard]] bool ConfirmExportFilter(BookmarkManager& manager, const BookmarkRows& rows,
                                       common::MessageBoxHost& messages);

}  // namespace brantlow
