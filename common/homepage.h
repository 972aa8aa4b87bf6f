#pragma once

// The maker's home page, opened by the links of the main window and the help dialog.
// A reserved example domain: it points at no real organisation.
inline constexpr const char* kHomePageAddress = "https://kestrin.example.com/";
