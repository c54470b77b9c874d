// The document of the single-document pattern: what is open, under which path, and the one view
// that shows it.
#pragma once

#include <string>

#include "framework/CmdTarget.h"

namespace fw {

class View;

class Document : public CmdTarget {
  public:
    // Prepares an empty document; the path becomes empty.
    virtual bool OnNewDocument() { return true; }
    // Loads the file at the full path `path`; false leaves the document as it was.
    virtual bool OnOpenDocument(const std::string& path) = 0;

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

    View* GetView() const { return m_pView; }
    void SetView(View* view) { m_pView = view; }
    // Repaints the view.
    void UpdateAllViews();

  private:
    std::string m_strPathName;
    View* m_pView = nullptr;
};

}  // namespace fw
