-- Kinemo catalog schema: every table and column the program reads.
CREATE TABLE s_config (
  cfg_class TEXT PRIMARY KEY,
  cfg_value INTEGER,
  cfg_name  TEXT
);
CREATE TABLE m_db_version (
  mdv_cd    INTEGER PRIMARY KEY,
  mdv_value TEXT
);
CREATE TABLE s_message (
  msg_cd      INTEGER,
  msg_class   TEXT NOT NULL,
  msg_control TEXT NOT NULL,
  msg_value   TEXT,
  msg_symbol  TEXT
);
CREATE INDEX ix_s_message ON s_message (msg_class, msg_control);
