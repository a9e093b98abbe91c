#include "render/PngFile.h"

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TemporaryFile.h"
#include "base/WriteTarget.h"

#if TQ3GEN_PNG
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <unordered_map>
#include <vector>

namespace tq3 {

bool CanWritePictures() {
    return true;
}

namespace {
constexpr int RgbBytes = 3;

PngResult Failure(const std::string& path, const std::string& reason) {
    return {false, "Cannot write file \"" + path + "\": " + reason};
}

// The picture's rows as the PNG writer takes them: one palette index per pixel when the
// picture has no more colours than a palette holds (every map layer), else R, G, B bytes.
struct PngRows {
    std::vector<png_byte> bytes;
    std::vector<png_color> palette;  // empty for R, G, B rows
    int bytesPerPixel = 1;
};

constexpr std::size_t PaletteSize = 256;

std::vector<png_byte> RgbRows(const PixelBuffer& picture);

PngRows IndexedRows(const PixelBuffer& picture) {
    PngRows rows;
    rows.bytes.resize(picture.pixels.size());
    std::unordered_map<Argb, png_byte> index;
    Argb last = 0;
    png_byte lastIndex = 0;
    bool started = false;
    png_byte* out = rows.bytes.data();
    for (Argb pixel : picture.pixels) {
        // Runs of one colour are the rule: the map is mostly white.
        if (!started || pixel != last) {
            const auto found = index.find(pixel);
            if (found != index.end()) {
                lastIndex = found->second;
            } else {
                if (rows.palette.size() == PaletteSize) return {RgbRows(picture), {}, RgbBytes};
                lastIndex = static_cast<png_byte>(rows.palette.size());
                index.emplace(pixel, lastIndex);
                rows.palette.push_back({static_cast<png_byte>(pixel >> 16),
                                        static_cast<png_byte>(pixel >> 8),
                                        static_cast<png_byte>(pixel)});
            }
            last = pixel;
            started = true;
        }
        *out++ = lastIndex;
    }
    return rows;
}

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

// The encoder's settings, chosen for map pictures: mostly white with thin lines and small
// squares of few colours. Each row is stored as its difference to the row above, which turns
// the white areas, the squares' insides and the vertical lines into runs of zeros; zlib's fast
// level with the run-length strategy then finds those runs at a third of the default level's
// cost. A map picture comes out about a tenth larger than at the default settings (105 KB
// instead of 93 KB for the demo world's terrain).
constexpr int RowFilter = PNG_FILTER_UP;
constexpr int CompressionLevel = 1;
constexpr int CompressionStrategy = Z_RLE;

void OnPngError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Writes `rows` (R, G, B bytes) to `file` as a PNG image; false with the reason when libpng
// fails.
// Nothing in here has a destructor, as libpng leaves it by a long jump on failure.
bool Encode(png_uint_32 width, png_uint_32 height, png_bytepp rows, png_const_colorp palette,
            int paletteSize, FILE* file, std::string& reason) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &reason, OnPngError, OnPngWarning);
    if (png == nullptr) {
        reason = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        if (reason.empty()) reason = "out of memory";
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8,
                 palette != nullptr ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette != nullptr) png_set_PLTE(png, info, palette, paletteSize);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, RowFilter);
    png_set_compression_level(png, CompressionLevel);
    png_set_compression_strategy(png, CompressionStrategy);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

PngResult WritePng(const PixelBuffer& picture, const std::string& path,
                   const std::string& gameFolder) {
    if (picture.width <= 0 || picture.height <= 0) return Failure(path, "the picture is empty");
    if (std::string why = WriteTargetProblem(TargetKind::Picture, gameFolder, path, PngSignature);
        !why.empty())
        return {false, std::move(why)};
    PngRows rows = IndexedRows(picture);

    // What earlier writes cut short left in the folder goes first.
    const std::string folder = NameOf(PathOf(AbsolutePath(path)).parent_path());
    RemoveLeftoverTemporaryFiles(folder);
    TemporaryFile file;
    if (!file.Open(path)) return Failure(path, file.Reason());

    std::vector<png_bytep> starts(static_cast<std::size_t>(picture.height));
    const std::size_t stride = static_cast<std::size_t>(picture.width) * rows.bytesPerPixel;
    for (std::size_t y = 0; y < starts.size(); ++y) starts[y] = rows.bytes.data() + y * stride;
    std::string encodeReason;
    if (!Encode(static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
                starts.data(), rows.palette.empty() ? nullptr : rows.palette.data(),
                static_cast<int>(rows.palette.size()), file.Stream(), encodeReason))
        return Failure(path, encodeReason);
    if (!file.Commit()) return Failure(path, file.Reason());
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

#else
// A build without libpng (the Windows one) draws pictures but cannot store them.
namespace tq3 {

bool CanWritePictures() {
    return false;
}

PngResult WritePng(const PixelBuffer&, const std::string& path, const std::string&) {
    return {false, "Cannot write file \"" + path + "\": " + NoPicturesMessage};
}

std::optional<PixelBuffer> ReadPng(const std::string& path, PngResult* result) {
    if (result) *result = {false, "Cannot read file \"" + path + "\": " + NoPicturesMessage};
    return std::nullopt;
}

}  // namespace tq3
#endif
