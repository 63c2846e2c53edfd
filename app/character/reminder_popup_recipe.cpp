#include "character/reminder_popup_recipe.h"

#include "resources/resource.h"
#include "ui/application.h"

std::unique_ptr<ReminderPopup> MakeReminderPopup(const std::string& message) {
    auto popup = std::make_unique<ReminderPopup>();
    PopupItem& text = popup->AppendItem({.rect = kReminderMessageRect, .text = message});
    popup->AppendItem({.rect = kReminderTitleRect, .text = kReminderTitle});
    PopupItem& close = popup->AppendItem({.rect = kReminderCloseRect});
    text.textColour = kReminderMessageColour;
    text.format = DT_WORDBREAK;
    popup->SetItemIcon(
        close, static_cast<HICON>(LoadImageA(Application::Instance(), MAKEINTRESOURCEA(IDI_CLOSE),
                                             IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    close.button = true;
    close.id = kCloseItemId;
    popup->SetUpLook();
    PopupSettings& settings = popup->Settings();
    settings.kind = kPopupFade;
    settings.showDelay = kReminderPopupShownMs;
    settings.animateDelay = kReminderPopupFadeMs;
    settings.transparency = kReminderPopupAlpha;
    settings.width = kReminderPopupWidth;
    settings.height = kReminderPopupHeight;
    return popup;
}
