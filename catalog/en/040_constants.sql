-- Physical constants written into every formula as "name=value" before its own variables,
-- in this order. The formula language ignores case, so a constant's name must differ, in
-- any case, from every variable a formula assigns or reads.

INSERT INTO s_physicalconstant (cons_name, cons_value) VALUES
  ('GRAVITY', '9.80665'),                  -- standard gravity, m/s² (exact)
  ('PI',      '3.14159265358979323846');   -- pi (more digits than a double holds)
