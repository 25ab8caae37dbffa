// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a screen reader reads in the window: every label becomes the buddy of the field it names,
// and controls without a caption of their own get the name a person would use for them. Found by
// the design names the pages give their controls, so the pages need not know about it.
namespace WindowAccessibility {

// The window's own controls and its tabs.
void describe(QWidget& window);
// The controls of a message's page, once the page is built.
void describePage(QWidget& page, int message);

} // namespace WindowAccessibility
