#include "screen/DesignPlaced.h"

#include <QPainter>
#include <QWidget>

const DesignMapping &DesignPlaced::mapping() const
{
    static const DesignMapping identity;
    return m_mapping ? *m_mapping : identity;
}

QRect DesignPlaced::designGeometry() const
{
    const QRect now = m_self->geometry();
    return mapping().toWindow(m_design) == now ? m_design : mapping().toDesign(now);
}

void DesignPlaced::setDesignGeometry(const QRect &r)
{
    m_design = r;
    m_self->setGeometry(mapping().toWindow(r));
}

QRect DesignPlaced::paintInDesign(QPainter &p) const
{
    const QSize design = designGeometry().size();
    if (design == m_self->size() || design.isEmpty())
        return m_self->rect();
    p.scale(m_self->width() / double(design.width()), m_self->height() / double(design.height()));
    return QRect(QPoint(), design);
}
