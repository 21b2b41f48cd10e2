#pragma once

#include <glib-object.h>

#include <memory>

namespace tavelo {

struct GObjectUnref {
    void operator()(gpointer object) const noexcept {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};

// Owns one reference of a GObject for the life of the holder.
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GBytesUnref {
    void operator()(GBytes* bytes) const noexcept { g_bytes_unref(bytes); }
};
using GBytesPtr = std::unique_ptr<GBytes, GBytesUnref>;

}  // namespace tavelo
