#include "platform/x11_frames.h"

#include <QGuiApplication>
#include <QSysInfo>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_connection_t* applicationConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

const xcb_visualtype_t* findVisual(const xcb_setup_t* setup, xcb_visualid_t id)
{
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem; xcb_depth_next(&depth)) {
            for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual)) {
                if (visual.data->visual_id == id)
                    return visual.data;
            }
        }
    }
    return nullptr;
}

// Whether the window's pixels are laid out as a QImage::Format_RGB32 image
// of this machine: 24-bit true colour, red-green-blue from the high byte
// down, stored in 32 bits in the host's byte order.
bool takesRgb32(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const auto hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? XCB_IMAGE_ORDER_LSB_FIRST
                                                                          : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != hostOrder)
        return false;
    bool inThirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format)) {
        if (format.data->depth == 24)
            inThirtyTwoBits = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    }
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!inThirtyTwoBits || !geometry || !attributes || geometry->depth != 24)
        return false;
    const xcb_visualtype_t* visual = findVisual(setup, attributes->visual);
    return visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR && visual->red_mask == 0xff0000 &&
           visual->green_mask == 0x00ff00 && visual->blue_mask == 0x0000ff;
}

} // namespace

X11Frames::~X11Frames()
{
    clear();
}

bool X11Frames::load(WId window, const QList<QImage>& frames)
{
    clear();
    xcb_connection_t* connection = applicationConnection();
    if (!connection || window == 0 || frames.isEmpty() || !takesRgb32(connection, window))
        return false;
    QList<QImage> pixels;
    const qsizetype requestLimit = qsizetype(xcb_get_maximum_request_length(connection)) * 4;
    for (const QImage& frame : frames) {
        pixels.append(frame.convertToFormat(QImage::Format_RGB32));
        const QImage& image = pixels.last();
        if (image.isNull() || image.width() > 0x7fff || image.height() > 0x7fff ||
            image.sizeInBytes() + 64 > requestLimit)
            return false;
    }

    connection_ = connection;
    window_ = window;
    gc_ = xcb_generate_id(connection);
    // Copies from pictures of our own never need expose events back.
    const std::uint32_t noExposures = 0;
    QList<xcb_void_cookie_t> requests{
        xcb_create_gc_checked(connection, gc_, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures)};
    for (const QImage& image : pixels) {
        const Frame frame{xcb_generate_id(connection), image.size()};
        frames_.append(frame);
        const auto width = std::uint16_t(image.width());
        const auto height = std::uint16_t(image.height());
        requests.append(xcb_create_pixmap_checked(connection, 24, frame.pixmap, window, width, height));
        requests.append(xcb_put_image_checked(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, frame.pixmap, gc_, width,
                                              height, 0, 0, 0, 24, std::uint32_t(image.sizeInBytes()),
                                              image.constBits()));
    }
    bool loaded = true;
    for (const xcb_void_cookie_t request : requests) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, request)) {
            std::free(error);
            loaded = false;
        }
    }
    if (!loaded)
        clear();
    return loaded;
}

void X11Frames::show(int frame, QPoint at) const
{
    auto* connection = static_cast<xcb_connection_t*>(connection_);
    const Frame& shown = frames_.at(frame);
    xcb_copy_area(connection, shown.pixmap, xcb_window_t(window_), gc_, 0, 0, std::int16_t(at.x()),
                  std::int16_t(at.y()), std::uint16_t(shown.size.width()), std::uint16_t(shown.size.height()));
    xcb_flush(connection);
}

void X11Frames::clear()
{
    auto* connection = static_cast<xcb_connection_t*>(connection_);
    // Once the application has closed its connection, the server has freed
    // them. A picture a failed load never made answers with an error, which
    // is dropped unseen.
    if (connection && connection == applicationConnection()) {
        for (const Frame& frame : frames_)
            xcb_discard_reply(connection, xcb_free_pixmap_checked(connection, frame.pixmap).sequence);
        xcb_discard_reply(connection, xcb_free_gc_checked(connection, gc_).sequence);
        xcb_flush(connection);
    }
    frames_.clear();
    gc_ = 0;
    window_ = 0;
    connection_ = nullptr;
}
