#include "framework/Document.h"

#include "framework/View.h"

namespace fw {

void Document::UpdateAllViews() {
    if (m_pView)
        m_pView->OnInitialUpdate();
}

}  // namespace fw
