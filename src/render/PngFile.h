#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "render/PixelBuffer.h"

namespace tq3 {

// What a PNG write or read came to: ok, or the reason it failed, naming the file.
struct PngResult {
    bool ok = false;
    std::string error;
    explicit operator bool() const { return ok; }
};

// Whether this build can write and read PNG pictures (a build without libpng cannot), and
// what the commands that would write them say in such a build.
bool CanWritePictures();
inline constexpr const char* NoPicturesMessage =
    "This build of tq3gen cannot write pictures: it was built without PNG support. Nothing "
    "was written.";

// The first bytes of every PNG file.
inline constexpr std::string_view PngSignature{"\x89PNG\r\n\x1a\n", 8};

// Writes the picture as an 8-bit RGB PNG. The file is written beside the target under a
// temporary name and renamed over it when complete, so a failed write leaves no half file and
// an older file at the path stays as it was. Only a PNG image or nothing is replaced, and
// nothing of the game folder `gameFolder` (see WriteTargetProblem). Never throws.
PngResult WritePng(const PixelBuffer& picture, const std::string& path,
                   const std::string& gameFolder = {});

// Reads a PNG of any colour type into an opaque picture; nothing when it cannot, with the reason
// in `result`.
std::optional<PixelBuffer> ReadPng(const std::string& path, PngResult* result = nullptr);

}  // namespace tq3
