#pragma once

// The engine's resting GL state, which every drawing routine returns to: alpha test off with
// GREATER 0, blending off with source alpha / one minus source alpha.
void restoreRestingAlphaTest();
void restoreRestingBlend();
