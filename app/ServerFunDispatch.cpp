#include "app/ServerFunDispatch.h"

#include <filesystem>
#include <system_error>

#include "services/Payload.h"
#include "services/RiliAbout.h"
#include "services/Rjbqh.h"
#include "services/Shzl.h"
#include "storage/DbRecord.h"

namespace tavelo {

std::string DoubleBackslashes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out.push_back(c);
        if (c == '\\') {
            out.push_back('\\');
        }
    }
    return out;
}

void CServerFunDispatch::ServerFun(const std::string& module, const std::string& action,
                                   const std::string& a1, const std::string& a2,
                                   const std::string& a3, const std::string& a4) {
    if (module == "shzl") {
        Shzl(action, a1, a2, a3, a4);
    } else if (module == "tpx") {
        Tpx(action, a1);
    } else if (module == "rjbqh") {
        Rjbqh(action, a1, a2, a3);
    } else if (module == "riliAbout") {
        RiliAbout(action);
    }
}

void CServerFunDispatch::Shzl(const std::string& action, const std::string& a1,
                              const std::string& a2, const std::string& a3,
                              const std::string& a4) {
    IPageHost& page = m_platform.page;
    if (action == "getData") {
        const std::string rows = ShzlGetAll();
        m_strSelDate = "0";
        page.CallScript("InitData", rows);
    } else if (action == "getDataByData") {
        m_strWhere = a1;
        page.LoadPage(HTML_shzl);
    } else if (action == "editRili") {
        page.CallScript("EventSelFun", ShzlGetWhere(a1));
    } else if (action == "editDataSb" || action == "editDataJz") {
        ShzlEdit(LeadingInt(a1), a2, action == "editDataSb" ? "sb" : "jz", a3, a4);
        page.LoadPage(HTML_shzl);
    } else if (action == "delData") {
        ShzlDelete(LeadingInt(a1));
        page.LoadPage(HTML_shzl);
    } else if (action == "InitData") {
        const std::string rows = ShzlGetWhere(m_strWhere);
        if (m_strSelDate != "0") {
            page.CallScript("InitData0", m_strSelDate);
        }
        page.CallScript("InitData", rows);
    } else if (action == "SetData") {
        m_strSelDate = a1;
    } else if (action == "getSum") {
        page.CallScript("setZJVal", NumberItem(ShzlSum("select sum(cont) from shzl"), 2));
    } else {
        ShzlCommand(action, a1, a2, a3, a4);
    }
}

void CServerFunDispatch::Tpx(const std::string& action, const std::string& a1) {
    if (action == "changeSize") {
        TpxFitWindow(a1, m_dInitWidth, m_dInitHeight, m_platform.pictures, m_platform.window);
    } else if (action == "getImg") {
        m_platform.page.CallScript("execImg", TpxListPictures());
    } else if (action == "addImg") {
        TpxAddPicture(a1);
    } else if (action == "delImg") {
        TpxDeletePicture(a1);
    }
}

void CServerFunDispatch::Rjbqh(const std::string& action, const std::string& a1,
                               const std::string& a2, const std::string& a3) {
    IPageHost& page = m_platform.page;
    if (action == "InitData") {
        const std::string items = RjbqhListItems();
        int32_t firstItemId = 0;
        const std::string nodes = RjbqhListFirstItemNodes(firstItemId);
        page.CallScript("InitData", items + std::string(kPartSeparator) + nodes +
                                        std::string(kPartSeparator) +
                                        std::to_string(firstItemId));
    } else if (action == "GetNodeList") {
        // The item id goes back as sent; one holding the part separator would shift the parts,
        // so it goes back as its number instead.
        const std::string item = a1.find(kPartSeparator) == std::string::npos
                                     ? a1
                                     : std::to_string(LeadingInt(a1));
        page.CallScript("GetNodeList",
                        item + std::string(kPartSeparator) + RjbqhListNodes(" itemID=" + item));
    } else if (action == "addNewItem") {
        RjbqhAddItem(a1);
    } else if (action == "addNewNode") {
        const std::string path = DoubleBackslashes(a3);
        const std::optional<int32_t> id = RjbqhAddNode(a1, DoubleBackslashes(a2), path);
        if (id) {
            std::error_code ec;
            const std::filesystem::path png = std::filesystem::current_path(ec) / "icons" /
                                              ("icon" + std::to_string(*id) + ".png");
            m_platform.icons.SaveFileIconAsPng(path, png.string());
        }
    } else if (action == "getNode") {
        const CRjbqhNodeRecord node = RjbqhGetNode(a1);
        if (!node.m_strNodePath.empty()) {
            m_platform.page.OpenTarget(node.m_strNodePath);
        }
    }
}

void CServerFunDispatch::RiliAbout(const std::string& action) {
    if (action == "init") {
        m_platform.page.CallScript("EventAbout", RiliAboutInit());
    } else if (action == "openWeb") {
        m_platform.page.OpenTarget(kMakerSite);
    }
}

}  // namespace tavelo
