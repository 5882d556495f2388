-- The withholding tax settings of the company (type, rate, payment reason
-- of the FatturaPA file) and the virtual stamp duty flag of an invoice.
-- Adds the columns to an existing store, the rows keep their data and get
-- empty settings and no stamp duty. Running it again changes nothing.
SET NAMES utf8mb4;

ALTER TABLE `azienda`
  ADD COLUMN IF NOT EXISTS `rit_tipo` VARCHAR(4) NULL DEFAULT '',
  ADD COLUMN IF NOT EXISTS `rit_aliquota` VARCHAR(6) NULL DEFAULT '',
  ADD COLUMN IF NOT EXISTS `rit_causale` VARCHAR(2) NULL DEFAULT '';

ALTER TABLE `testata`
  ADD COLUMN IF NOT EXISTS `bollo` TINYINT(1) NOT NULL DEFAULT 0;
