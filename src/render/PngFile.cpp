#include "render/PngFile.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "render/PictureTarget.h"

namespace tq3 {

namespace {
constexpr int RgbBytes = 3;
constexpr mode_t NewFileMode = 0666;  // before the umask, as a plain file would be created

PngResult Failure(const std::string& path, const std::string& reason) {
    return {false, "Cannot write file \"" + path + "\": " + reason};
}

std::string SystemReason() {
    return std::strerror(errno);
}

// The picture as rows of R, G, B bytes, the layout the PNG writer takes.
std::vector<png_byte> RgbRows(const PixelBuffer& picture) {
    std::vector<png_byte> bytes(picture.pixels.size() * RgbBytes);
    png_byte* out = bytes.data();
    for (Argb pixel : picture.pixels) {
        *out++ = static_cast<png_byte>(pixel >> 16);
        *out++ = static_cast<png_byte>(pixel >> 8);
        *out++ = static_cast<png_byte>(pixel);
    }
    return bytes;
}

// True when `path` holds bytes that are not a PNG image: such a file is never replaced by a
// picture, so that a mistyped target cannot cost a game table or any other document.
bool HoldsSomethingElse(const std::string& path) {
    static constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    unsigned char head[sizeof Signature] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return got > 0 && (got < sizeof head || std::memcmp(head, Signature, sizeof head) != 0);
}

mode_t CreationMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return NewFileMode & ~mask;
}
}  // namespace

PngResult WritePng(const PixelBuffer& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0) return Failure(path, "the picture is empty");
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        HoldsSomethingElse(path))
        return Failure(path, "it is not a PNG image, so it is not replaced");
    const std::vector<png_byte> rows = RgbRows(picture);

    // The temporary file beside the target, so that the rename stays on one file system; what
    // an earlier write to it left there when it was cut short goes first.
    RemoveLeftoverPictureTemporaries(path);
    std::string temp = PictureTemporaryPattern(path);
    std::vector<char> pattern(temp.begin(), temp.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Failure(path, SystemReason());
    temp = pattern.data();
    FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const PngResult failed = Failure(path, SystemReason());
        ::close(fd);
        ::unlink(temp.c_str());
        return failed;
    }

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    const bool encoded = png_image_write_to_stdio(&image, file, 0, rows.data(), 0, nullptr) != 0;
    const std::string encodeReason = encoded ? "" : image.message;
    png_image_free(&image);
    const bool flushed =
        encoded && std::fflush(file) == 0 && ::fsync(fd) == 0 && ::fchmod(fd, CreationMode()) == 0;
    const std::string flushReason = flushed ? "" : SystemReason();
    const bool closed = std::fclose(file) == 0;
    if (!encoded || !flushed || !closed) {
        ::unlink(temp.c_str());
        return Failure(path, !encoded ? encodeReason : flushReason);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const PngResult failed = Failure(path, SystemReason());
        ::unlink(temp.c_str());
        return failed;
    }
    return {true, ""};
}

std::optional<PixelBuffer> ReadPng(const std::string& path, PngResult* result) {
    const auto fail = [&](const std::string& reason) -> std::optional<PixelBuffer> {
        if (result) *result = {false, "Cannot read file \"" + path + "\": " + reason};
        return std::nullopt;
    };
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return fail(image.message);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr) == 0) {
        const std::string reason = image.message;
        png_image_free(&image);
        return fail(reason);
    }
    PixelBuffer picture(static_cast<int>(image.width), static_cast<int>(image.height));
    const png_byte* in = bytes.data();
    for (Argb& pixel : picture.pixels) {
        pixel = RgbColour(in[0], in[1], in[2]);
        in += RgbBytes;
    }
    if (result) *result = {true, ""};
    return picture;
}

}  // namespace tq3
