#pragma once
// How screen readers and desktop automation see a BoxControl: a push button
// named by its caption (its tooltip when it shows only a picture), described
// by its tooltip, with a press action for the left click and a second action
// for the right-click alternative.
namespace kalvero {

// Registers the accessibility factory for BoxControl once per process.
void InstallBoxControlAccessibility();

}  // namespace kalvero
