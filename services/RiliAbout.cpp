#include "services/RiliAbout.h"

namespace tavelo {

std::string RiliAboutInit() {
    return "关于|"
           "<div style='padding:4px 0 4px 0;'>Tavelo日历记事本1.01版</div>"
           "<div style='padding:0 0 4px 0;'>欢迎访问 "
           "<a href='javascript:gotoWeb();'>tavelo.example.org</a></div>"
           "<div style='padding:0 0 14px 0;'>电子邮箱 hello@tavelo.example.org</div>"
           "<div style='padding:0 0 4px 0;'>© 2026 Tavelo 开发组 版权所有</div>"
           "|关闭";
}

}  // namespace tavelo
