// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>
#include <memory>

namespace orbo {

// Qt's own texts (the file dialog, the standard buttons) in Russian, like every
// other text the player sees. Installed into the running application for as
// long as the result lives; null when the translations are not on this machine,
// and Qt then speaks English.
std::unique_ptr<QTranslator> installRussianQtTexts();

}  // namespace orbo
