#pragma once

// The headlines of the open and save failure reports; the reason of the error follows them.
inline constexpr char kDVFailedToOpenDocument[] = "Failed to open document.";
inline constexpr char kDVFailedToSaveDocument[] = "Failed to save document.";
