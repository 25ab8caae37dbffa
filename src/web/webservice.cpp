// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webservice.h"

#include "web/httpreply.h"
#include "web/servicetexts.h"

WebService::WebService(ServeSettings settings)
    : m_settings(std::move(settings))
    , m_guard(m_settings.secret, m_settings.listen.loopback(), m_settings.tls.has_value())
    , m_service({m_controller, m_dialogs, m_project, m_jobs, m_guard}, m_settings.ports)
    , m_server([this](const QHttpServerRequest& request,
                      HttpResponse response) { m_service.handle(request, std::move(response)); },
               HttpReply::error(413, ServiceTexts::tooLarge()).body)
{
    // Nobody sees the clock and countdown marks here, and drawing them would need fonts.
    m_controller.setShowMarks(false);
    QObject::connect(&m_jobs, &ExchangeJobs::jobEnded, &m_jobs, [this] { m_service.jobEnded(); });
}

QString WebService::start()
{
    if (!m_settings.listen.loopback() && m_settings.secret.isEmpty())
        return ServiceTexts::secretNeededOffLoopback();
    m_controller.refreshPorts();
    if (!m_project.open())
        return m_dialogs.take().join(u'\n');
    if (QString refused = m_server.listen(m_settings.listen, m_settings.tls); !refused.isEmpty())
        return ServiceTexts::cannotListen(
            m_settings.listen.url(m_settings.tls.has_value(), m_settings.listen.port), refused);
    m_guard.setPort(m_server.port());
    return {};
}

QString WebService::url() const
{
    return m_settings.listen.url(m_settings.tls.has_value(), m_server.port());
}
