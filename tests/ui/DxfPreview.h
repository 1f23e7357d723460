// Test tool: paints the lines, circles and texts of a DXF drawing into a picture, scaled to
// fit, so a drawing written by the CAD data program can be looked at.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kinemo::uitest {

class TDxfPreview {
public:
    explicit TDxfPreview(const std::string& dxf) {
        std::istringstream in(dxf);
        std::vector<std::pair<int, std::string>> groups;
        std::string code, value;
        while (std::getline(in, code) && std::getline(in, value)) groups.emplace_back(std::stoi(code), value);
        bool entities = false;
        for (size_t i = 0; i < groups.size(); ++i) {
            if (groups[i].first == 2 && groups[i].second == "ENTITIES") entities = true;
            if (!entities || groups[i].first != 0 || groups[i].second == "ENDSEC" || groups[i].second == "EOF") continue;
            Entity e{groups[i].second, {}};
            for (size_t j = i + 1; j < groups.size() && groups[j].first != 0; ++j) e.g[groups[j].first] = groups[j].second;
            entities_.push_back(e);
        }
    }

    int Count(const std::string& type) const {
        return static_cast<int>(std::count_if(entities_.begin(), entities_.end(), [&](const Entity& e) { return e.type == type; }));
    }

    QImage Render(int width, int height) const {
        double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
        auto grow = [&](double x, double y) {
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        };
        for (const auto& e : entities_) {
            if (e.type == "LINE") grow(N(e, 10), N(e, 20)), grow(N(e, 11), N(e, 21));
            if (e.type == "CIRCLE") grow(N(e, 10) - N(e, 40), N(e, 20) - N(e, 40)), grow(N(e, 10) + N(e, 40), N(e, 20) + N(e, 40));
            if (e.type == "TEXT") grow(N(e, 10), N(e, 20) + N(e, 40));
        }
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        if (x0 > x1) return image;
        const double margin = 40, scale = std::min((width - 2 * margin) / (x1 - x0), (height - 2 * margin) / (y1 - y0));
        auto px = [&](double x) { return margin + (x - x0) * scale; };
        auto py = [&](double y) { return height - margin - (y - y0) * scale; };
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const auto& e : entities_) {
            const std::string layer = e.g.count(8) ? e.g.at(8) : "";
            QPen pen(layer == "CENTER" ? QColor(200, 0, 0) : layer == "DIMENSIONS" ? QColor(0, 120, 0) : Qt::black);
            pen.setWidthF(layer == "OUTLINE" ? 1.6 : 0.9);
            if (layer == "CENTER") pen.setStyle(Qt::DashDotLine);
            p.setPen(pen);
            if (e.type == "LINE") p.drawLine(QPointF(px(N(e, 10)), py(N(e, 20))), QPointF(px(N(e, 11)), py(N(e, 21))));
            if (e.type == "CIRCLE") {
                const double r = N(e, 40) * scale;
                p.drawEllipse(QPointF(px(N(e, 10)), py(N(e, 20))), r, r);
            }
            if (e.type == "TEXT") {
                QString text = QString::fromStdString(e.g.at(1)).replace("%%c", QString::fromUtf8("\u2300"));
                QFont font = p.font();
                font.setPixelSize(std::max(9, static_cast<int>(N(e, 40) * scale)));
                p.setFont(font);
                const int align = e.g.count(72) ? std::stoi(e.g.at(72)) : 0;
                const double w = p.fontMetrics().horizontalAdvance(text);
                const double x = px(N(e, 10)) - (align == 1 ? w / 2 : align == 2 ? w : 0);
                p.drawText(QPointF(x, py(N(e, 20))), text);
            }
        }
        return image;
    }

private:
    struct Entity {
        std::string type;
        std::map<int, std::string> g;
    };
    static double N(const Entity& e, int code) { return e.g.count(code) ? std::stod(e.g.at(code)) : 0; }
    std::vector<Entity> entities_;
};

}  // namespace kinemo::uitest
