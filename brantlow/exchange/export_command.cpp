#include "brantlow/exchange/export_command.h"

#include <string>

#include "brantlow/core/messages.h"

namespace brantlow {

using common::MessageAnswer;

bool ConfirmExportFilter(BookmarkManager& manager, const BookmarkRows& rows, common::MessageBoxHost& messages) {
    if (!manager.FilterActive()) return true;
    const MessageAnswer answer = messages.Show(
        {"A filter has recently been applied to the list. Only the items currently displayed will be exported if the "
         "filter is not cleared.\r\rWould you like to clear the filter now?",
         std::string(kAppTitle), common::MessageButtons::YesNoCancel, common::MessageIcon::Question, 1});
    if (answer == MessageAnswer::Yes) {
        manager.ClearFilter(true);
        return true;
    }
    if (answer != MessageAnswer::No) return false;
    if (rows.Count() > 0) return true;
    messages.Inform("The URL list is empty after applying filter. File will not be saved until you clear the filter.",
                    std::string(kAppTitle));
    return false;
}

}  // namespace brantlow
