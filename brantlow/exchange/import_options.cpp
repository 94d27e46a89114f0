#include "brantlow/exchange/import_options.h"

#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {

std::optional<ImportChoices> AcceptImportDialog(const ImportDialogState& state, ExtensionSets& sets,
                                                Settings& settings, common::MessageBoxHost& messages) {
    if (state.Files.empty()) {
        messages.Inform("Please click \"Add files\" first to add one or more files to the list, or click \"Close\" to "
                        "dismiss this dialog box.",
                        std::string(kAppTitle), common::MessageIcon::Error);
        return std::nullopt;
    }
    TImportOptions& stored = settings.Import;
    stored = state.Options;
    stored.Extensions = LowerCase(state.Options.Extensions);
    stored.FileTypes = state.ChosenSet;
    stored.AllSchemes = state.AllSchemes;
    if (state.ChosenSet >= 0 && state.ChosenSet < ExtensionSets::Count()) sets.Store(state.ChosenSet, stored.Extensions);
    return ImportChoices{state.Files, state.CheckedSchemes, stored};
}

}  // namespace brantlow
