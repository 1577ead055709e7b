#include "windows/preview/PreviewPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

const QString PreviewPage::kStatusMarker = QStringLiteral("\x01halvero-status:");

namespace {

// Runs before the page's own scripts. Status writes go to the console with a
// marker only this window knows; bgsound elements get a src that plays.
const char kLegacySupport[] = R"JS(
(function () {
  var marker = '%MARKER%';
  var status = '';
  try {
    Object.defineProperty(window, 'status', {
      configurable: true,
      get: function () { return status; },
      set: function (value) { status = String(value); console.log(marker + status); }
    });
  } catch (e) {}
  function playable(element) {
    try {
      Object.defineProperty(element, 'src', {
        configurable: true,
        get: function () { return element.getAttribute('src') || ''; },
        set: function (value) {
          element.setAttribute('src', value);
          if (value) { new Audio(value).play().catch(function () {}); }
        }
      });
    } catch (e) {}
  }
  function arm() {
    var sounds = document.getElementsByTagName('bgsound');
    for (var i = 0; i < sounds.length; i++) playable(sounds[i]);
  }
  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', arm);
  else
    arm();
})();
)JS";

// Writes the document anew; its listeners go with the old one, so the
// support above is set up again.
const char kWriteInPlace[] = R"JS(
(function (html) {
  document.open();
  document.write(html);
  document.close();
  %SUPPORT%
})(%1[0]);
)JS";

// Says so on the console two frames later, once the engine has drawn the
// document as it is now.
const char kTellWhenDrawn[] = R"JS(
requestAnimationFrame(function () {
  requestAnimationFrame(function () { console.log(%1[0]); });
});
)JS";

// `values` as the text of a JavaScript array.
QString arrayOf(const QJsonArray& values) {
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
}

const QString kDrawnMarker = QStringLiteral("\x01halvero-drawn:");

QString legacySupport() {
    return QString::fromLatin1(kLegacySupport)
        .replace(QStringLiteral("%MARKER%"), QStringLiteral("\\x01halvero-status:"));
}

// The page a link meant for a new window would open in: it tells its owner
// where the link leads, and goes, without loading anything.
class NewWindowCatcher : public QWebEnginePage {
public:
    explicit NewWindowCatcher(PreviewPage* owner) : QWebEnginePage(owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        emit m_owner->linkClicked(url);
        deleteLater();
        return false;
    }

private:
    PreviewPage* m_owner;
};

} // namespace

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeLinkClicked) {
        emit linkClicked(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* PreviewPage::createWindow(WebWindowType) {
    return new NewWindowCatcher(this);
}

PreviewPage::PreviewPage(QObject* parent) : QWebEnginePage(parent) {
    QWebEngineScript script;
    script.setName(QStringLiteral("halvero-legacy-support"));
    script.setSourceCode(legacySupport());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);
    settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
}

void PreviewPage::writeInPlace(const QByteArray& text) {
    runJavaScript(QString::fromLatin1(kWriteInPlace)
                      .replace(QStringLiteral("%SUPPORT%"), legacySupport())
                      .arg(arrayOf({QString::fromUtf8(text)})));
}

void PreviewPage::tellWhenDrawn(int mark) {
    runJavaScript(
        QString::fromLatin1(kTellWhenDrawn).arg(arrayOf({kDrawnMarker + QString::number(mark)})));
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                           int, const QString&) {
    if (message.startsWith(kStatusMarker))
        emit statusWritten(message.mid(kStatusMarker.size()));
    else if (message.startsWith(kDrawnMarker))
        emit drawn(message.mid(kDrawnMarker.size()).toInt());
}
