#pragma once

#include <string>

#include "app/PageHost.h"
#include "services/Tpx.h"

namespace tavelo {

// Routes the requests pages send with ServerFun(module, action, a1..a4) to the services, and
// answers through the page host. Keeps the two values the entries page depends on.
class CServerFunDispatch {
public:
    struct Platform {
        IPageHost& page;
        IPictureProbe& pictures;
        IWindowSizer& window;
        IIconWriter& icons;
    };

    explicit CServerFunDispatch(Platform platform) : m_platform(platform) {}

    // Handles one request. A ServiceError from a service passes to the caller, which reports it
    // to the page; everything else is quiet.
    void ServerFun(const std::string& module, const std::string& action, const std::string& a1,
                   const std::string& a2, const std::string& a3, const std::string& a4);

    // The window's size when it was set up; the picture show fits pictures into it.
    void SetInitialSize(double width, double height) {
        m_dInitWidth = width;
        m_dInitHeight = height;
    }

    // The where fragment the entries page is filled with.
    std::string m_strWhere;
    // The day the calendar selected, "0" for none.
    std::string m_strSelDate;

private:
    void Shzl(const std::string& action, const std::string& a1, const std::string& a2,
              const std::string& a3, const std::string& a4);
    void Tpx(const std::string& action, const std::string& a1);
    void Rjbqh(const std::string& action, const std::string& a1, const std::string& a2,
               const std::string& a3);
    void RiliAbout(const std::string& action);

    Platform m_platform;
    double m_dInitWidth = 0;
    double m_dInitHeight = 0;
};

// Doubles every backslash of a text, once, left to right.
std::string DoubleBackslashes(const std::string& text);

}  // namespace tavelo
