#!/usr/bin/env python3
"""Writes catalog/ja/800_text_options.sql: the Japanese texts of the option data and of the
option pages, the quotation dialog and its preview, for the Japanese catalog's key check.

Run after tools/make_option_catalog.py (it reads the English rows from the built catalog's
SQL texts, so both languages always hold the same keys):

    python3 tools/make_option_texts_ja.py
"""
import glob
import os
import re
import sqlite3

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

TITLES = {
    "Encoder cable": "エンコーダケーブル", "Motor power cable": "モータ動力ケーブル",
    "Encoder connector kit": "エンコーダ用コネクタキット", "Power connector kit": "動力用コネクタキット",
    "Crimp tool": "圧着工具", "I/O cable": "I/Oケーブル", "I/O connector kit": "I/Oコネクタキット",
    "Terminal block unit": "端子台ユニット", "Amplifier manual": "アンプ取扱説明書", "Motor manual": "モータ取扱説明書",
    "Safety guide": "安全上のご注意", "Manuals on USB stick": "取扱説明書 (USBメモリ)",
    "Set-up software": "セットアップソフト", "USB set-up cable": "USBセットアップケーブル",
    "RS-232C cable": "RS-232Cケーブル", "USB/RS-232C converter": "USB/RS-232C変換ケーブル",
    "RS-485 link cable": "RS-485連結ケーブル", "RS-485 terminator": "RS-485終端プラグ",
    "Regenerative resistor": "回生抵抗器", "Noise filter": "ノイズフィルタ", "Ferrite core set": "フェライトコアセット",
    "DIN rail mounting kit": "DINレール取付キット", "Battery": "電池", "Battery unit": "バッテリユニット",
    "Spare battery": "予備電池", "Line reactor": "ACリアクトル", "Brake cable": "ブレーキケーブル",
    "Output reactor": "出力リアクトル", "Brake connector kit": "ブレーキ用コネクタキット",
    "Network cable": "ネットワークケーブル", "Gear head grease": "減速機用グリス",
}

# (pattern, replacement) applied in order to a part's quotation text.
MESSAGES = [
    (r"^Encoder cable (\d+) m with battery case(, flex)?$", lambda m: "エンコーダケーブル %s m (電池ケース付%s)" % (m[1], "、屈曲用" if m[2] else "")),
    (r"^Encoder cable (\d+) m, (absolute|incremental) encoder(, flex)?$",
     lambda m: "エンコーダケーブル %s m、%sエンコーダ用%s" % (m[1], "アブソリュート" if m[2] == "absolute" else "インクリメンタル", "、屈曲用" if m[3] else "")),
    (r"^Power cable (\d+) m( with brake wires)?(, flex)?$",
     lambda m: "動力ケーブル %s m%s%s" % (m[1], " (ブレーキ線付)" if m[2] else "", "、屈曲用" if m[3] else "")),
    (r"^Brake cable (\d+) m(, flex)?$", lambda m: "ブレーキケーブル %s m%s" % (m[1], "、屈曲用" if m[2] else "")),
    (r"^External regenerative resistor (.*)$", lambda m: "外付け回生抵抗器 " + m[1]),
    (r"^I/O cable for the terminal block unit, (\d+) m$", lambda m: "端子台ユニット用I/Oケーブル %s m" % m[1]),
    (r"^I/O cable with open ends, (\d+) m$", lambda m: "I/Oケーブル (片端バラ線) %s m" % m[1]),
    (r"^I/O connector kit, (\d+) pins$", lambda m: "I/Oコネクタキット %s ピン" % m[1]),
    (r"^PC communication cable RS-232C, (\d+) m$", lambda m: "パソコン通信ケーブル RS-232C %s m" % m[1]),
    (r"^RS-485 link cable, ([\d.]+) m$", lambda m: "RS-485連結ケーブル %s m" % m[1]),
    (r"^Shielded network cable RJ45, ([\d.]+) m$", lambda m: "シールド付ネットワークケーブル RJ45 %s m" % m[1]),
    (r"^USB cable for the set-up software, (\d+) m$", lambda m: "セットアップソフト用USBケーブル %s m" % m[1]),
    (r"^USB to RS-232C converter cable, ([\d.]+) m$", lambda m: "USB/RS-232C変換ケーブル %s m" % m[1]),
    (r"^Line noise filter, (single|three)-phase$", lambda m: "電源ノイズフィルタ (%s相)" % ("単" if m[1] == "single" else "三")),
]
FIXED = {
    "AC line reactor, three-phase": "ACリアクトル (三相)", "All manuals as PDF on USB stick": "全取扱説明書 PDF (USBメモリ)",
    "Amplifier user manual, printed": "アンプ取扱説明書 (冊子)", "Battery unit 3.6 V with case, at the amplifier": "バッテリユニット 3.6 V (ケース付、アンプ側)",
    "Brake connector kit": "ブレーキ用コネクタキット", "Crimp tool for the connector kits": "コネクタキット用圧着工具",
    "DIN rail mounting kit for the amplifier": "アンプ用DINレール取付キット", "Encoder connector kit, motor and amplifier side": "エンコーダ用コネクタキット (モータ側・アンプ側)",
    "Ferrite cores for motor power wiring, 2 pieces": "動力線用フェライトコア 2個", "Gear head grease, 50 g": "減速機用グリス 50 g",
    "Lithium battery 3.6 V for the cable's battery case": "ケーブル電池ケース用リチウム電池 3.6 V",
    "Motor instruction manual, printed": "モータ取扱説明書 (冊子)", "Output reactor for long flex cable runs": "長い屈曲ケーブル用出力リアクトル",
    "Power connector kit, motor and amplifier side": "動力用コネクタキット (モータ側・アンプ側)", "RS-485 terminator plug": "RS-485終端プラグ",
    "Safety guide, printed": "安全上のご注意 (冊子)", "Set-up software, full licence": "セットアップソフト (正規ライセンス)",
    "Spare lithium battery 3.6 V": "予備リチウム電池 3.6 V", "Terminal block unit, 50 poles, DIN rail": "端子台ユニット 50極 DINレール取付",
}
CHOICES = {
    11: ("標準ケーブル (モータ・エンコーダ)", None), 12: ("屈曲用ケーブル (ケーブルベア用)", "屈曲用ケーブル: 曲げ半径はケーブル径の10倍以上にしてください。"),
    13: ("コネクタキットのみ (ケーブルはお客様製作)", "コネクタキットには圧着工具 KT-100 が必要です。エンコーダ線はシールドしてください。"),
    16: ("標準ケーブル + I/O端子台", "端子台ユニットが I/Oコネクタキットの代わりになります。"),
    17: ("エンコーダケーブルに電池ケース", "アンプ側のバッテリユニットは不要です。電池は2年ごとに交換してください。"),
    21: ("I/Oコネクタキット (はんだ付け)", None), 22: ("I/Oケーブル (片端バラ線) 2 m", "ケーブルのシールドはアンプのフレームグランドに接続してください。"),
    23: ("ネットワークケーブル 短 (0.3 m、アンプ間)", None), 24: ("ネットワークケーブル 長 (3 m、コントローラ-アンプ間)", None),
    41: ("取扱説明書 (冊子、英語)", None), 42: ("取扱説明書 (PDF、USBメモリ)", None),
    51: ("セットアップソフト (正規ライセンス)", None), 52: ("セットアップソフト ビューア (無償ダウンロード)", "ビューアはパラメータを読めますが、アンプへの書き込みはできません。"),
    61: ("パソコン通信ケーブル (RS-232C、9ピン)", None), 62: ("USB/RS-232C変換ケーブル", None),
    71: ("多軸連結ケーブル (RS-485)", None), 72: ("RS-485終端プラグのみ", None),
    81: ("電池", None), 91: ("電源周辺機器", None), 99: ("その他", None),
}
LENGTHS = {1: "3 m", 2: "5 m", 3: "10 m", 4: "20 m", 9: "ケーブルなし (コネクタのみ)"}
TEXTS = {
    "GroupBoxMotorSeries": "モータシリーズ", "LabelMotorFunction": "モータ系列", "LabelMotorSeries": "シリーズ",
    "GroupBoxSearchItem": "検索条件", "LabelOutput": "定格出力", "LabelPhase": "電源相", "LabelSupply": "電源電圧",
    "LabelBrake": "保持ブレーキ", "LabelEncoder": "エンコーダ", "LabelGear": "減速機", "LabelOilSeal": "オイルシール",
    "LabelMotorShaft": "モータ軸", "LabelGearType": "減速機形式", "LabelGearRate": "減速比", "LabelGearShaft": "減速機軸",
    "GroupBoxSearchResult": "該当するモータとアンプ", "LabelMotorNumber": "モータ型式", "LabelMotorPrice": "モータ価格",
    "LabelAmpNumber": "アンプ型式", "LabelAmpPrice": "アンプ価格", "LabelAmpFeature": "アンプ",
    "LabelAmpAlert": "このモータには複数のアンプがあります。選択してください。", "ButtonSelectOption": "このモータのオプション >",
    "ButtonClear": "クリア", "ButtonDirectInput": "型式を入力", "ButtonSearchItem": "条件で検索",
    "GroupBoxDirectInput": "型式によるモータとアンプ", "LabelDIMotor": "モータ型式", "LabelDIAmp": "アンプ型式",
    "LabelDIMotorPrice": "モータ価格", "LabelDIAmpPrice": "アンプ価格", "LabelDIAmpFeature": "アンプ",
    "ButtonDISelectPrice": "価格を調べる", "ButtonDISelectOption": "このモータのオプション >", "ButtonDIClear": "クリア",
    "RadioGroupAmp": "アンプ電源", "RadioGroupAmp[1]": "単相 100 V", "RadioGroupAmp[2]": "単相 200 V", "RadioGroupAmp[3]": "三相 200 V",
    "ClearOptionMessage": "検索条件と該当モータをクリアしますか?", "DIMissingMotor": "モータ型式を入力してください。",
    "DIMissingAmp": "アンプ型式を入力してください。",
    "LabelMotorTitle": "モータ", "LabelAmpTitle": "アンプ", "LabelSeriesTitle": "シリーズ", "LabelNumberTitle": "型式",
    "LabelQtyTitle": "数量", "LabelPriceTitle": "単価", "LabelSubTotalTitle": "小計", "LabelPhaseTitle": "相",
    "LabelSupplyTitle": "電源", "LabelEncoderTitle": "エンコーダ", "LabelGearTitle": "減速機", "LabelBrakeTitle": "ブレーキ",
    "LabelAllPrice": "合計", "LabelAlert": "注意", "TabSheetCable": "ケーブル", "TabSheetInterface": "インタフェース",
    "TabSheetPowerBox": "電源周辺", "TabSheetConectCable": "通信", "TabSheetManual": "取扱説明書", "TabSheetSoftware": "ソフトウェア",
    "TabSheetBattery": "電池", "TabSheetEtc": "その他", "TabSheetComment": "コメント", "LabelCableConector": "ケーブル/コネクタ",
    "LabelCableLength": "ケーブル長", "LabelInterface": "インタフェース", "LabelManual": "取扱説明書", "LabelSoftware": "ソフトウェア",
    "LabelRS232C": None, "LabelRS485": None, "LabelPriceName": "部品", "LabelPriceValue": "単価", "LabelPriceNumber": "数量",
    "LabelPriceSubTotal": "小計", "LabelComment": "見積書のコメント (5行・408文字まで)", "ButtonReturn": "< モータ検索に戻る",
    "ButtonPrintOut": "見積書...", "ButtonConnectImage": "接続図",
    "ClearMessage": "このモータのオプションをすべてカタログの初期値に戻しますか?",
    "CommentTooLong": "コメントは5行・408文字までです。", "QuantityNotWhole": "数量は0から最大数量までの整数です。",
    "NoMotorShown": "オプション画面にモータがありません。モータを確定するか、オプション画面で選択してください。",
    "WindowCaption": None, "ButtonClose": "閉じる", "LabelSelectPrinter": "プリンタ", "LabelInputTitle": "タイトル",
    "LabelSelectPaperSize": "用紙サイズ", "ButtonSaveCsv": "CSV保存...", "ButtonSavePdf": "PDF保存...",
    "ButtonStartPreview": "プレビュー", "ButtonStartPrint": "印刷", "FormatDateTime": None, "ComboBoxSelectPaperSize": "A4\nレター",
    "CsvTemplateHead": "\"見積書\",\"{[%]InputTitle[%]}\",\"{[%]CurrentDate[%]}\"\r\n\"品名\",\"部品\",\"数量\",\"単価 ({[%]Currency[%]})\",\"小計 ({[%]Currency[%]})\",\"備考\"\r\n\"モータ\",\"{[%]PanelMotorNumber[%]}\",{[%]ComboBoxMotorQty[%]},{[%]PanelMotorPrice[%]},{[%]PanelMotorSubTotal[%]},\"{[%]PanelMotorSeries[%]} {[%]LabelOutput[%]}\"\r\n\"アンプ\",\"{[%]PanelAmpNumber[%]}\",{[%]ComboBoxAmpQty[%]},{[%]PanelAmpPrice[%]},{[%]PanelAmpSubTotal[%]},\"{[%]LabelPhase[%]} {[%]LabelSupply[%]}\"",
    "CsvTemplateBody": None,
    "CsvTemplateFoot": "\"合計\",\"\",\"\",\"\",{[%]PanelAllPrice[%]},\"\"\r\n\"コメント\",\"{[%]EditComment[%]}\"",
    "CsvOutMessage": "見積書をCSVで保存しました。", "PdfOutMessage": "見積書をPDFで保存しました。",
    "SaveDialogCsv.DefaultExt": None, "SaveDialogCsv.Filter": None, "SaveDialogCsv.InitialDir": None, "SaveDialogPdf.DefaultExt": None, "SaveDialogPdf.Filter": None,
    "NoPrinter": "プリンタがありません。見積書はPDFまたはCSVで保存してください。",
    "MenuGroupFile": "ファイル", "MenuFilePrint": "印刷", "MenuFileExit": "閉じる", "MenuGroupMove": "ページ",
    "MenuMoveFirst": "最初", "MenuMoveNext": "次", "MenuMovePrior": "前", "MenuMoveLast": "最後",
    "ButtonFirst": None, "ButtonPrior": None, "ButtonNext": None, "ButtonLast": None, "ButtonPrint": "印刷",
    "LRItemTitle": "見積書", "LRLabelDate": "日付", "LRLabelSeries": "系列", "LRLabelType": "シリーズ", "LRLabelModel": "型式",
    "LRLabelQty": "数量", "LRLabelPrice": "単価", "LRLabelSubTotal": "小計", "LRLabelNote": "備考", "LRLabelMotor": "モータ",
    "LRLabelAmp": "アンプ", "LRLabelOptions": "オプション", "LRLabelItem": "品名", "LRLabelTotal": "合計",
    "LRLabelComment": "コメント", "LRLabelPage": "ページ",
    "LRLabelFooter": "価格は米ドル、税・送料別です。見積日から30日間有効です。", "LRLabelBrake": "ブレーキ", "LRLabelGear": "減速機",
}
CAPTIONS = {"select_option_image": "接続図", "form_printer_select_option": "見積書", "form_printer_option": "見積書プレビュー"}


def q(v):
    if v is None:
        return "NULL"
    return "'" + v.replace("'", "''").replace("\r\n", "' || char(13, 10) || '").replace("\n", "' || char(10) || '") + "'"


def message_ja(text):
    if text in FIXED:
        return FIXED[text]
    for pattern, make in MESSAGES:
        m = re.match(pattern, text)
        if m:
            return make(m)
    raise SystemExit("no Japanese text for: " + text)


def main():
    db = sqlite3.connect(":memory:")
    db.executescript(open(os.path.join(ROOT, "catalog", "schema.sql"), encoding="utf-8").read())
    for f in sorted(glob.glob(os.path.join(ROOT, "catalog", "en", "8*_options_*.sql"))):
        db.executescript(open(f, encoding="utf-8").read())
    out = ["-- Generated by tools/make_option_texts_ja.py: edit the script and run it again.",
           "-- Japanese texts of the option data, the option pages and the quotation. Part numbers",
           "-- (movm_name) stay as they are (NULL keeps the English text).", ""]
    out.append("INSERT INTO ja_t_option_select_master (tosm_cd, tosm_name, tosm_alert) VALUES")
    rows = db.execute("SELECT tosm_cd, tosm_alert FROM t_option_select_master ORDER BY tosm_cd").fetchall()
    out.append(",\n".join("  (%d, %s, %s)" % (cd, q(CHOICES[cd][0]), q(CHOICES[cd][1] if alert else None)) for cd, alert in rows) + ";")
    out.append("\nINSERT INTO ja_m_option_cable_length (mocl_cd, mocl_name) VALUES")
    out.append(",\n".join("  (%d, %s)" % (cd, q(LENGTHS[cd])) for (cd,) in db.execute("SELECT mocl_cd FROM m_option_cable_length")) + ";")
    out.append("\nINSERT INTO ja_m_option_value_master (movm_cd, movm_title, movm_name, movm_message) VALUES")
    out.append(",\n".join("  (%d, %s, NULL, %s)" % (cd, q(TITLES[t]), q(message_ja(m)))
                          for cd, t, m in db.execute("SELECT movm_cd, movm_title, movm_message FROM m_option_value_master ORDER BY movm_cd")) + ";")
    out.append("\nINSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES")
    msgs = []
    for cd, cls, control in db.execute("SELECT msg_cd, msg_class, msg_control FROM s_message ORDER BY msg_cd"):
        value = CAPTIONS[cls] if control == "WindowCaption" and cls in CAPTIONS else TEXTS[control]
        if control == "ButtonReturn" and cls == "form_printer_select_option":
            value = "閉じる"
        if control == "ButtonClear" and cls == "frame_select_option_detail":
            value = "クリア"
        msgs.append("  (%s, %s, %d, %s, NULL)" % (q(cls), q(control), cd, q(value)))
    out.append(",\n".join(msgs) + ";")
    with open(os.path.join(ROOT, "catalog", "ja", "800_text_options.sql"), "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
