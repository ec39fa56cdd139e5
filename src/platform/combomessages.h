#pragma once
// Combo box drop-down and prefix selection: written with the auto-completion.
