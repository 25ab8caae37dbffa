// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a screen reader reads in the window: every label becomes the buddy of the field it names,
// and controls without a caption of their own get the name a person would use for them. Found by
// the design names the pages give their controls, so the pages need not know about it.
namespace WindowAccessibility {

void describe(QWidget& window);

} // namespace WindowAccessibility
