// The six report layouts.
#include "reports/ReportDocuments.h"
#include "common/QtText.h"

#include "base/CatalogText.h"
#include "base/TextFormat.h"
#include "reports/PrintData.h"

namespace kinemo {

namespace {

class TLayout {
public:
    TLayout(TCatalogQuery& query, TReportForm form, const TPrintData& data, const TReportCommon& common)
        : form_(form), data_(data), common_(common), texts_(ReadMessageClass(query, ReportFormClass(form), true)),
          shared_(ReadMessageClass(query, "form_printer_common", true)) {}

    TReportDocument Make();

private:
    QString T(const std::string& key) const { return Qs(texts_.Value(key)); }
    QString H(const std::string& key) const { return Qs(data_.HeaderPairs.Value(key)); }
    // A format text of the layout filled with one value (the text itself on a bad format).
    QString Formatted(const std::string& key, const std::string& value) const;

    void SummaryBand(TReportSheet& page) const;
    TReportCard ElementCard(int index, bool withCarry) const;
    TReportTable PatternTable(int first, int count) const;
    TReportTable TorqueTable(int first, int count) const;
    TReportTable DischargeTable(int first, int count) const;
    void BlockBand(TReportSheet& page) const;
    TReportFields Comments(std::initializer_list<std::pair<const char*, const char*>> lines) const;

    TReportForm form_;
    const TPrintData& data_;
    const TReportCommon& common_;
    TNameValueList texts_, shared_;
};

QString TLayout::Formatted(const std::string& key, const std::string& value) const {
    try {
        return Qs(FormatText(texts_.Value(key), {value}));
    } catch (const std::exception&) {
        return Qs(texts_.Value(key) + " " + value);
    }
}

TReportDocument TLayout::Make() {
    TReportDocument doc;
    doc.Title = T("Title");
    doc.Subtitle = common_.Motor;
    doc.TitleFields = {{Qs(shared_.Value("TitleFieldHeader")), common_.Header},
                       {Qs(shared_.Value("TitleFieldProject")), common_.Project},
                       {Qs(shared_.Value("TitleFieldDate")), common_.Date}};
    doc.Footer = common_.Footer;
    const TReportPaging paging(form_, data_.RowCount());
    for (int i = 0; i < paging.PageCount(); ++i) {
        const TReportPageContent c = paging.Page(i);
        TReportSheet page;
        switch (form_) {
        case TReportForm::Summary:
            if (c.SummaryBand) SummaryBand(page);
            if (c.EntryCount > 0) {
                TReportCards cards;
                for (int e = c.FirstEntry; e < c.FirstEntry + c.EntryCount; ++e) cards.Cards.push_back(ElementCard(e, false));
                page.Blocks.push_back(TReportText{T("LabelElements"), 10, true});
                page.Blocks.push_back(cards);
            }
            break;
        case TReportForm::DrivePatternStraight:
        case TReportForm::DrivePatternRolling:
            page.Blocks.push_back(PatternTable(c.FirstEntry, c.EntryCount));
            page.Blocks.push_back(TReportCharts{{common_.SpeedChart, common_.TorqueChart}, 58});
            break;
        case TReportForm::BlockPattern: {
            TReportCards cards;
            for (int e = c.FirstEntry; e < c.FirstEntry + c.EntryCount; ++e) cards.Cards.push_back(ElementCard(e, true));
            if (!cards.Cards.isEmpty()) page.Blocks.push_back(cards);
            if (c.BottomBand) BlockBand(page);
            break;
        }
        case TReportForm::Discharge:
            page.Blocks.push_back(DischargeTable(c.FirstEntry, c.EntryCount));
            if (c.BottomBand)
                page.Blocks.push_back(Comments({{"CommentP", "P"}, {"CommentMaxP", "maxP"},
                                                {"CommentDischargeLoadFactor", "DischargeLoadFactor"}}));
            break;
        case TReportForm::Torque:
            page.Blocks.push_back(TorqueTable(c.FirstEntry, c.EntryCount));
            if (c.BottomBand)
                page.Blocks.push_back(Comments({{"Comment1", nullptr},
                                                {"Comment2", "EffectiveTorque"},
                                                {"Comment3", "EffectiveTorqueLoadFactor"},
                                                {"Comment4", "MotorRunningTorqueMax"},
                                                {"Comment5", "MotorRunningTorqueMaxLoadFactor"},
                                                {"Comment6", "NecessityMaxTorque"},
                                                {"Comment7", "NecessityMaxTorqueLoadFactor"}}));
            break;
        }
        doc.Pages.push_back(page);
    }
    return doc;
}

void TLayout::SummaryBand(TReportSheet& page) const {
    TReportFields motor{T("LabelMotor"), {}, 2};
    for (const char* k : {"MotorNumber", "AmpNumber", "Output", "PowerSource", "ElectricPressure", "Encoder", "Brake",
                          "Gear", "ModeratingRatio", "BackLash"})
        motor.Items.push_back({T(std::string("Label") + k), H(k)});
    page.Blocks.push_back(motor);

    TReportTable judgement;
    judgement.Caption = T("LabelJudgement");
    judgement.Columns = {{T("ColumnCheck"), "", 1.45, true}, {T("ColumnRated"), "", 1.2},
                         {T("ColumnCriterion"), "", 1.1},    {T("ColumnResult"), "", 1.2},
                         {T("ColumnPercent"), "", 1.0},      {T("ColumnAdjudication"), "", 1.3, true}};
    judgement.HighlightColumns = {5};
    auto withUnit = [&](const std::string& key) {
        const QString v = H(key), u = H(key + "Measure");
        return v.isEmpty() || u.isEmpty() ? v : v + " " + u;
    };
    for (const char* p : {"RotorInertia", "Frequency", "EffectiveTorque", "RunningTorque", "MaxTorque", "EpigeneTorque",
                          "AllowableDischarge"}) {
        const std::string s = p;
        judgement.Rows.push_back({T("Row" + s), withUnit(s + "Rated"), withUnit(s + "Criterion"), withUnit(s + "Result"),
                                  withUnit(s + "Percent"), H(s + "Adjudication")});
    }
    page.Blocks.push_back(judgement);

    TReportFields advice{T("LabelAdvice"), {}, 1};
    for (const char* k : {"AdjudicationResult", "ExternalResistor", "AllowableDischargeMax", "PureExternalResistor",
                          "StoppingAccuracy"})
        advice.Items.push_back({T(std::string("Label") + k), H(k)});
    page.Blocks.push_back(advice);
    if (!H("PrintComment").isEmpty()) {
        page.Blocks.push_back(TReportText{T("LabelComment"), 9.5, true});
        page.Blocks.push_back(TReportText{H("PrintComment").replace("\r\n", "\n"), 9, false});
    }
    page.Blocks.push_back(TReportText{T("LabelNote"), 7, false});
    page.Blocks.push_back(TReportCharts{{common_.SpeedChart, common_.TorqueChart}, 58});
}

TReportCard TLayout::ElementCard(int index, bool withCarry) const {
    const TNameValueList& r = data_.Row(index);
    TReportCard card;
    card.Title = T("LabelElementNumber") + QString::number(index + 1) + "  " + Qs(r.Value("FactorName"));
    card.Picture = Qs(r.Value("ImageFile"));
    card.Lines.push_back({T("LabelOwner"), Qs(ElementOwner(r))});
    card.Lines.push_back({T("LabelBlock"), Qs(r.Value("BlockName"))});
    for (const auto& [name, value] : ElementItems(r)) card.Lines.push_back({Qs(name), Qs(value)});
    if (withCarry) {
        card.HeadingLines.push_back(card.Lines.size());
        card.Lines.push_back({T("LabelCarry"), ""});
        for (const std::string& k : BlockCarryKeys(r)) card.Lines.push_back({T(k), Qs(r.Value(k))});
    }
    return card;
}

TReportTable TLayout::PatternTable(int first, int count) const {
    TReportTable t;
    t.Caption = H("Title");
    t.RowSlots = TReportPaging::EntriesPerPage(form_);
    t.Fill = true;
    // The data columns, then the external-force columns the pattern has marks for.
    int columns = 0;
    while (!H("HeaderMeasure" + std::to_string(columns)).isEmpty()) ++columns;
    for (int extra = columns; !H("Header" + std::to_string(extra)).isEmpty(); ++extra) {
        bool used = false;
        for (int r = 0; r < data_.RowCount() && !used; ++r) used = !data_.Row(r).Value("Value" + std::to_string(extra)).empty();
        if (!used) break;
        columns = extra + 1;
    }
    t.Columns.push_back({T("HeaderNo"), "", 0.5});
    for (int i = 0; i < columns; ++i) t.Columns.push_back({H("Header" + std::to_string(i)), H("HeaderMeasure" + std::to_string(i)), 1});
    for (int r = first; r < first + count; ++r) {
        QStringList row{Qs(data_.Row(r).Value("ValueNo"))};
        for (int i = 0; i < columns; ++i) row << Qs(data_.Row(r).Value("Value" + std::to_string(i)));
        t.Rows.push_back(row);
    }
    return t;
}

TReportTable TLayout::TorqueTable(int first, int count) const {
    TReportTable t;
    t.Caption = T("LabelTable");
    t.RowSlots = TReportPaging::EntriesPerPage(form_);
    t.Fill = true;
    t.Columns.push_back({T("HeaderNo"), "", 0.5});
    const char* keys[] = {"Time", "PreFrequency", "Frequency", "Behavior", "FrictionTorque", "AdjustableSpeedTorque",
                          "EpigeneConservation", "IntervalTorque"};
    for (const char* k : keys) t.Columns.push_back({H(k), H(std::string(k) + "Measure"), 1, std::string(k) == "Behavior"});
    for (int r = first; r < first + count; ++r) {
        QStringList row{Qs(data_.Row(r).Value("Row"))};
        for (const char* k : keys) row << Qs(data_.Row(r).Value(k));
        t.Rows.push_back(row);
    }
    return t;
}

TReportTable TLayout::DischargeTable(int first, int count) const {
    TReportTable t;
    t.Caption = T("LabelTable");
    t.RowSlots = TReportPaging::EntriesPerPage(form_);
    t.Fill = true;
    t.Columns.push_back({H("No"), "", 0.5});
    const std::pair<const char*, const char*> heads[] = {{"ErCaption", "ErSymbol"}, {"EcCaption", "EcSymbol"},
                                                         {"EmCaption", "EmSymbol"}, {"Ecaption", "Esymbol"},
                                                         {"Tcaption", "Tsymbol"},   {"PnCaption", "PnSymbol"},
                                                         {"PmCaption", "PmSymbol"}};
    for (const auto& [c, s] : heads) t.Columns.push_back({H(c), H(s), 1});
    t.Columns.push_back({H("Behavior"), "", 0.8, true});
    for (int r = first; r < first + count; ++r) {
        QStringList row;
        for (const char* k : {"No", "Er", "Ec", "Em", "E", "T", "Pn", "Pm", "Behavior"}) row << Qs(data_.Row(r).Value(k));
        t.Rows.push_back(row);
    }
    return t;
}

void TLayout::BlockBand(TReportSheet& page) const {
    TReportCard motor;
    motor.Title = T("LabelMotorElement") + "  " + H("FactorName");
    motor.Picture = H("ImageFile");
    for (const auto& [name, value] : ElementItems(data_.HeaderPairs)) motor.Lines.push_back({Qs(name), Qs(value)});
    TReportTable table;
    table.Caption = T("LabelMotorCarry");
    table.Columns = {{T("ColumnMotorCarry"), "", 1.6, true},
                     {T("LRItemMotorCarryDataValueFF"), "", 1},
                     {T("LRItemMotorCarryDataValueTF"), "", 1},
                     {T("LRItemMotorCarryDataValueFT"), "", 1},
                     {T("LRItemMotorCarryDataValueTT"), "", 1}};
    for (const TMotorBandLine& line : MotorBandLines(data_.HeaderPairs))
        table.Rows.push_back({T(line.Key), Qs(line.Values[0]), Qs(line.Values[1]), Qs(line.Values[2]), Qs(line.Values[3])});
    page.Blocks.push_back(TReportCards{{motor}, 1, 0});
    page.Blocks.push_back(table);
}

TReportFields TLayout::Comments(std::initializer_list<std::pair<const char*, const char*>> lines) const {
    TReportFields fields{QString(), {}, 1};
    for (const auto& [format, key] : lines) {
        if (!key) {
            fields.Caption = T(format);
            continue;
        }
        const QString line = Formatted(format, data_.HeaderPairs.Value(key));
        // "Caption: value" lines show as label and value.
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) fields.Items.push_back({line.left(colon), line.mid(colon + 2)});
        else if (!line.isEmpty()) fields.Items.push_back({line, QString()});
    }
    return fields;
}

}  // namespace

TReportDocument MakeReportDocument(TCatalogQuery& query, TReportForm form, const TPrintData& data,
                                   const TReportCommon& common) {
    return TLayout(query, form, data, common).Make();
}

}  // namespace kinemo
