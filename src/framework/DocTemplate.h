// The single-document template: it makes the one document, the frame and the view on first use,
// and from then on loads every file into that same document.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

namespace fw {

class SingleDocTemplate {
  public:
    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    using FrameFactory = std::function<std::unique_ptr<FrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<View>()>;

    SingleDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
    ~SingleDocTemplate();

    // Loads `path` into the document (null: a new, empty document), creating document, frame and
    // view when they do not exist yet. Always reloads, even the file that is already open. A load
    // that fails leaves an existing document as it was; when the frame was made for this call it
    // is destroyed again. Returns the document, or null on failure.
    Document* OpenDocumentFile(const char* path, bool makeVisible = true);

    Document* GetDocument() const { return m_pDocument.get(); }
    FrameWnd* GetFrame() const { return m_pFrame.get(); }

  private:
    bool CreateFrame();

    int m_nResourceId;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    std::unique_ptr<Document> m_pDocument;
    std::unique_ptr<FrameWnd> m_pFrame;
};

}  // namespace fw
