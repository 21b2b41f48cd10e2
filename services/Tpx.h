#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tavelo {

// Raised by a service when a platform operation the page asked for failed; the page sees it as a
// script exception at its call.
class ServiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Reads a picture file's size; nothing when the file is not a loadable picture.
class IPictureProbe {
public:
    virtual ~IPictureProbe() = default;
    virtual std::optional<PixelSize> PictureSize(const std::string& path) = 0;
};

// Resizes the main window, keeping its position and stacking.
class IWindowSizer {
public:
    virtual ~IWindowSizer() = default;
    virtual void ResizeWindow(int width, int height) = 0;
};

// The picture folder: tpx in the working directory. Addresses from the page may be file paths or
// file URLs.

// The size the window takes to show a picture of the given size inside the window's initial
// size: the picture area is the window less 8 pixels of width and 30 of height.
std::optional<PixelSize> FitPicture(PixelSize picture, double initWidth, double initHeight);

// Fits the window to the picture on show; a picture without a size leaves the window alone.
void TpxFitWindow(const std::string& address, double initWidth, double initHeight,
                  IPictureProbe& probe, IWindowSizer& sizer);

// Every entry of the picture folder as a list of full paths, in directory order; "]" when there
// is none. The page doubles the answer's backslashes before it evaluates it.
std::string TpxListPictures();

// Copies a file into the picture folder under its own name, replacing one of that name.
void TpxAddPicture(const std::string& path);

// Deletes the picture on show. Throws ServiceError when the address names no file inside the
// picture folder or the file cannot be deleted.
void TpxDeletePicture(const std::string& address);

// Turns a file URL (file:///a/b%20c.jpg) into a path; any other text is taken as a path already.
// Nothing when the URL is malformed.
std::optional<std::string> PathFromAddress(const std::string& address);

}  // namespace tavelo
