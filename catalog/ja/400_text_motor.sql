-- Japanese texts of the motor catalog: families, series, search items and the backlash text
-- of the geared motors. Model names, outputs and voltages are the same in both languages.

INSERT INTO ja_m_motor_function (mmf_cd, mmf_name, mmf_feature, mmf_value) VALUES
  (1, '汎用(中慣性)',
   'コンベヤ、フィーダ、ボールねじテーブル、回転テーブルなど、モータに比べて負荷慣性の大きい機械向けの中慣性モータです。負荷慣性比 15〜30 でも特別な調整なしに安定して動作します。100 W〜5 kW、100 V 級・200 V 級。',
   '汎用'),
  (2, '高応答(低慣性)',
   'ピック&プレース軸、ベルト軸、小慣性負荷のインデックスなど、短い位置決めを頻繁に行う用途向けの低慣性モータです。電流あたりの加速度が最も大きく、負荷慣性比は 10〜15 以下にしてください。50 W〜5 kW、100 V 級・200 V 級。',
   '高応答'),
  (3, 'ギア付きモータ(ギアヘッド内蔵)',
   '工場でギアヘッドを取り付け、潤滑済みのサーボモータです。位置決め用の高精度・標準精度の遊星ギアヘッドと、コンベヤ用の汎用ギアヘッドがあります。ギアヘッドはトルクを減速比倍にし、モータ軸換算の負荷慣性を減速比の 2 乗で割ります。',
   'ギア付き');

INSERT INTO ja_t_motor_series (tms_cd, tms_name, tms_feature) VALUES
  (1, 'Kestrel S、100 W〜750 W',
   '小形の中慣性モータ、フランジ角 40〜80 mm。定格回転速度 3000 r/min、最高 5000 r/min、瞬時最大トルクは定格の 3 倍。100 V 級単相 400 W まで、200 V 級単相・三相 750 W まで。20 ビットインクリメンタルまたは 23 ビットアブソリュートエンコーダ。オプション: 保持ブレーキ、オイルシール、キー付き軸。IP65。'),
  (2, 'Kestrel F(フラット)、100 W〜1.5 kW',
   '扁平形の中慣性モータ: 全長が短くフランジが大きく、軸の後方に余裕のない機械向け。定格回転速度 3000 r/min、最高 5000 r/min(1.5 kW: 4500)。200 V 級、750 W まで単相・三相、1.5 kW は三相。23 ビットアブソリュートエンコーダ。オプション: 保持ブレーキ、オイルシール、キー付き軸。IP65。'),
  (3, 'Kestrel L、1 kW〜5 kW',
   '重負荷軸向けの中慣性モータ、フランジ角 130 mm・180 mm。定格回転速度 2000 r/min、最高 3000 r/min、瞬時最大トルクは定格の 3 倍。200 V 級三相。パルス列・アナログ指令のアンプ、またはネットワーク指令のアンプ(ネットワークアンプはアブソリュートエンコーダのみ)。20 ビットインクリメンタルまたは 23 ビットアブソリュートエンコーダ。オプション: 保持ブレーキ、オイルシール、キー付き軸。IP67。'),
  (4, 'Swift S、50 W〜750 W',
   '高速インデックスや短サイクル向けの低慣性モータ、フランジ角 40〜80 mm。定格回転速度 3000 r/min、最高 6000 r/min、瞬時最大トルクは定格の 3 倍。100 V 級単相 400 W まで、200 V 級単相・三相 750 W まで。20 ビットインクリメンタルまたは 23 ビットアブソリュートエンコーダ。オプション: 保持ブレーキ、オイルシール(100 W 以上)、キー付き軸。IP65。'),
  (5, 'Swift L、1 kW〜5 kW',
   '細長いロータをもつ低慣性モータ、小慣性負荷の高速軸向け、フランジ角 100〜130 mm。定格回転速度 3000 r/min、最高 5000 r/min(4 kW・5 kW: 4500)。200 V 級三相。23 ビットアブソリュートエンコーダ。オプション: 保持ブレーキ、オイルシール、キー付き軸。IP67。'),
  (6, 'Heron P(高精度遊星)、50 W〜750 W',
   'Swift S 低慣性モータに遊星ギアヘッドを組み合わせたシリーズ。高精度: 1 段 3 分(1/5、1/9)、2 段 5 分(1/15、1/25。1/25 は 400 W まで)。標準精度: 15 分・20 分(1/5、1/9、1/15)。200 V 級、23 ビットアブソリュートエンコーダ。出力軸はキー付きまたはフランジ出力。'),
  (7, 'Heron G(汎用ギアヘッド)、100 W〜750 W',
   'Kestrel S 中慣性モータに汎用ギアヘッドを組み合わせた、コンベヤ、ターンテーブル、フィーダ向けのシリーズ。減速比 1/5、1/15、1/25、バックラッシ 45〜60 分。100 V 級 200 W まで、200 V 級 750 W まで。17 ビットアブソリュートエンコーダ。ストレートまたはキー付き出力軸。'),
  (8, 'Heron L(高精度遊星)、1 kW〜2 kW',
   'Kestrel L 中慣性モータに高精度遊星ギアヘッドを組み合わせた、重い回転テーブルやアーム向けのシリーズ: 1/5・1/9(3 分)、1/15・1/25(5 分。1/25 は 1.5 kW まで)。200 V 級三相、23 ビットアブソリュートエンコーダ。出力軸はキー付きまたはフランジ出力。');

INSERT INTO ja_m_search_phase (msp_cd, msp_name) VALUES (1, '単相'), (2, '三相');
INSERT INTO ja_m_search_brake (msb_cd, msb_name, msb_value) VALUES
  (1, 'ブレーキ付き', '保持ブレーキ付き(DC 24 V)'),
  (2, 'ブレーキなし', 'なし');
INSERT INTO ja_m_search_encoder (mse_cd, mse_name) VALUES
  (1, '20 ビットインクリメンタル'),
  (2, '23 ビットアブソリュート(多回転)'),
  (3, '17 ビットアブソリュート(多回転)');
INSERT INTO ja_m_search_motor_gear (msmg_cd, msmg_name, msmg_value) VALUES
  (1, 'ギアヘッド付き', 'ギアヘッド内蔵'),
  (2, 'ギアヘッドなし', 'なし');
INSERT INTO ja_m_search_oil_seal (msos_cd, msos_name) VALUES (1, 'オイルシールなし'), (2, 'オイルシール付き');
INSERT INTO ja_m_search_motor_shaft (msms_cd, msms_name) VALUES (1, 'ストレート軸'), (2, 'キー・タップ付き軸');
INSERT INTO ja_m_search_gear_type (msgt_cd, msgt_name) VALUES
  (1, '遊星、高精度'), (2, '遊星、標準精度'), (3, '汎用ギアヘッド');
INSERT INTO ja_m_search_gear_shaft (msgs_cd, msgs_name) VALUES
  (1, 'ストレート出力軸'), (2, 'キー付き出力軸'), (3, 'フランジ出力');

INSERT INTO ja_phrase (tbl, col, en, ja) VALUES
  ('t_motor_value', 'msv_backlash', '3 arcmin or less',  '3 分以下'),
  ('t_motor_value', 'msv_backlash', '5 arcmin or less',  '5 分以下'),
  ('t_motor_value', 'msv_backlash', '15 arcmin or less', '15 分以下'),
  ('t_motor_value', 'msv_backlash', '20 arcmin or less', '20 分以下'),
  ('t_motor_value', 'msv_backlash', '45 arcmin or less', '45 分以下'),
  ('t_motor_value', 'msv_backlash', '60 arcmin or less', '60 分以下');
