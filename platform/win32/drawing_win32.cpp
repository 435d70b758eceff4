// Pictures from the program's resources and from files, and the factory of
// the GDI drawing system.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "platform/win32/drawing_win32.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

// The numbers a picture load raises.
constexpr int kNoSuchResource = 326;
constexpr int kNoSuchFile = 53;
constexpr int kNotAPicture = 481;
constexpr int kHimetricPerInch = 2540;

// A bitmap resource, painted by copying.
class BitmapImage : public Win32Image {
  public:
    explicit BitmapImage(HBITMAP bitmap) : bitmap_(bitmap) {
        BITMAP info{};
        GetObjectA(bitmap_, sizeof info, &info);
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
    ~BitmapImage() override { DeleteObject(bitmap_); }
    BitmapImage(const BitmapImage&) = delete;
    BitmapImage& operator=(const BitmapImage&) = delete;

    int WidthPixels() const override { return width_; }
    int HeightPixels() const override { return height_; }
    void Paint(HDC dc, int x, int y, int width, int height) const override {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, bitmap_);
        if (width == width_ && height == height_) {
            BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, x, y, width, height, source, 0, 0, width_, height_, SRCCOPY);
        }
        SelectObject(source, previous);
        DeleteDC(source);
    }

  private:
    HBITMAP bitmap_;
    int width_ = 0;
    int height_ = 0;
};

int HimetricToPixels(long himetric, int pixelsPerInch) {
    return MulDiv(static_cast<int>(himetric), pixelsPerInch, kHimetricPerInch);
}

// A picture file of any kind OLE reads (bitmap, icon, JPEG, GIF); icons keep
// their transparent parts.
class OlePictureImage : public Win32Image {
  public:
    explicit OlePictureImage(IPicture* picture) : picture_(picture) {
        picture_->get_Width(&himetricWidth_);
        picture_->get_Height(&himetricHeight_);
        HDC screen = GetDC(nullptr);
        width_ = HimetricToPixels(himetricWidth_, GetDeviceCaps(screen, LOGPIXELSX));
        height_ = HimetricToPixels(himetricHeight_, GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
    }
    ~OlePictureImage() override { picture_->Release(); }
    OlePictureImage(const OlePictureImage&) = delete;
    OlePictureImage& operator=(const OlePictureImage&) = delete;

    int WidthPixels() const override { return width_; }
    int HeightPixels() const override { return height_; }
    void Paint(HDC dc, int x, int y, int width, int height) const override {
        // Source rectangle in HIMETRIC runs bottom-up.
        picture_->Render(dc, x, y, width, height, 0, himetricHeight_, himetricWidth_,
                         -himetricHeight_, nullptr);
    }

  private:
    IPicture* picture_;
    OLE_XSIZE_HIMETRIC himetricWidth_ = 0;
    OLE_YSIZE_HIMETRIC himetricHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// The whole file in movable global memory, as a stream reads it.
HGLOBAL ReadFileToGlobal(const std::string& path, DWORD& size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    size = GetFileSize(file, nullptr);
    HGLOBAL memory =
        size == INVALID_FILE_SIZE ? nullptr : GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    bool read = false;
    if (memory) {
        DWORD got = 0;
        read = ReadFile(file, GlobalLock(memory), size, &got, nullptr) && got == size;
        GlobalUnlock(memory);
    }
    CloseHandle(file);
    if (!read && memory) {
        GlobalFree(memory);
        memory = nullptr;
    }
    return memory;
}

IPicture* PictureFromGlobal(HGLOBAL memory, DWORD size) {
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))))
        picture = nullptr;
    stream->Release();
    return picture;
}

class Win32DrawingSystem : public DrawingSystem {
  public:
    // OLE pictures need COM on this thread; a thread already set up
    // otherwise is left as it is.
    Win32DrawingSystem() : comStarted_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~Win32DrawingSystem() override {
        if (comStarted_) CoUninitialize();
    }
    Win32DrawingSystem(const Win32DrawingSystem&) = delete;
    Win32DrawingSystem& operator=(const Win32DrawingSystem&) = delete;

    std::unique_ptr<DrawingSurface> SurfaceFor(WindowHandle window, int widthPixels,
                                               int heightPixels) override {
        return std::make_unique<GdiSurface>(reinterpret_cast<HWND>(window), widthPixels,
                                            heightPixels);
    }

    std::shared_ptr<SurfaceImage> LoadResourceBitmap(const std::string& name, int& error) override {
        auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        error = bitmap ? 0 : kNoSuchResource;
        if (!bitmap) return nullptr;
        return std::make_shared<BitmapImage>(bitmap);
    }

    std::shared_ptr<SurfaceImage> LoadPictureFile(const std::string& path, int& error) override {
        DWORD size = 0;
        HGLOBAL memory = ReadFileToGlobal(path, size);
        if (!memory) {
            error = kNoSuchFile;
            return nullptr;
        }
        IPicture* picture = PictureFromGlobal(memory, size);
        error = picture ? 0 : kNotAPicture;
        if (!picture) return nullptr;
        return std::make_shared<OlePictureImage>(picture);
    }

  private:
    bool comStarted_;
};

}  // namespace

std::unique_ptr<DrawingSystem> MakeWin32DrawingSystem() {
    return std::make_unique<Win32DrawingSystem>();
}

}  // namespace qn::win32
